// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

// A long random walk over the whole program: real clicks, keys and entries on
// the real windows, with the program's invariants checked after every action.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <map>
#include <memory>
#include <random>
#include <utility>

#include "app/program_windows.h"
#include "ui/startup/backdrop_window.h"
#include "ui/startup/title_window.h"
#include "tests/app/history_consistency.h"
#include "tests/app/walk_log.h"
#include "tests/files/batch_data.h"
#include "ui/common/clickable_label.h"
#include "ui/common/page_printer.h"
#include "ui/editor/new_run_editor.h"
#include "ui/main/file_commands.h"
#include "ui/main/main_window.h"
#include "ui/charts/chart_window.h"
#include "ui/tables/table_window.h"
#include "tests/support/input_driver.h"

namespace dalvo::testing_walk {
namespace {

constexpr std::uint32_t kDefaultSeed = 20261207;
// Two actions make a step, so a run to the last step takes 2000 of them;
// this many lets the walk reach the limit several times and still wander.
constexpr int kActions = 30000;
// The share of runs in which the walk keeps projecting until the limit; in
// the others it wanders through the windows.
constexpr double kLongRunShare = 0.25;
// An action that takes this long is waiting in a dialog nobody answers.
constexpr int kBlockedMilliseconds = 5000;

std::uint32_t walkSeed()
{
    if (const char* text = std::getenv("DALVO_WALK_SEED"))
        return static_cast<std::uint32_t>(std::strtoul(text, nullptr, 10));
    return kDefaultSeed;
}

// One program as main() runs it, over a history of its own.
struct Program {
    explicit Program(ui::Prompts& prompts) : windows(prompts)
    {
        windows.start();
        QObject::connect(&windows, &app::ProgramWindows::programEnded, [this] { ended = true; });
    }

    app::ProgramWindows windows;
    bool ended = false;
};

class RandomWalk {
public:
    explicit RandomWalk(std::uint32_t seed) : random_(seed), log_(seed)
    {
        watchdog_.setSingleShot(true);
        watchdog_.setInterval(kBlockedMilliseconds);
        QObject::connect(&watchdog_, &QTimer::timeout, [this] { unblock(); });
        startProgram();
    }

    // Walks until `actions` actions are done or a check fails; a failure
    // says how to replay it.
    void walk(int actions)
    {
        for (int index = 0; index < actions; ++index) {
            const auto start = std::chrono::steady_clock::now();
            const std::string action = act();
            log_.record(index, action);
            afterAction();
            // The action with the painting and everything else it set off.
            const double seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            if (seconds > slowest_.seconds)
                slowest_ = {seconds, action};
            if (const std::string broken = brokenInvariant(); !broken.empty()) {
                ADD_FAILURE() << broken << "\n" << log_.replayNote();
                return;
            }
            if (program_->ended) {
                tally("program ended");
                startProgram();
                tally("program restarted");
            }
        }
    }

    struct SlowestAction {
        double seconds = 0;
        std::string action;
    };
    const SlowestAction& slowest() const { return slowest_; }
    const std::map<std::string, int>& counts() const { return counts_; }
    int count(const std::string& kind) const
    {
        const auto found = counts_.find(kind);
        return found == counts_.end() ? 0 : found->second;
    }

private:
    // --- The program and its windows -------------------------------------

    void startProgram()
    {
        program_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        program_ = std::make_unique<Program>(prompts_);
        longRun_ = chance(kLongRunShare);
        lastStepCount_ = 0;
    }

    std::vector<QWidget*> visibleProgramWindows() const
    {
        std::vector<QWidget*> visible;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() && window != &program_->windows.backdrop() &&
                qobject_cast<QDialog*>(window) == nullptr)
                visible.push_back(window);
        return visible;
    }

    static std::vector<QMessageBox*> visibleMessages()
    {
        std::vector<QMessageBox*> visible;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(window); box != nullptr && box->isVisible())
                visible.push_back(box);
        return visible;
    }

    // --- Actions -----------------------------------------------------------

    std::string act()
    {
        const std::vector<QMessageBox*> messages = visibleMessages();
        const std::vector<QWidget*> windows = visibleProgramWindows();
        if (windows.empty())
            return "nothing to act on";
        QWidget* top = windows.front();
        stepCountBefore_ = program_->windows.history().stepCount();

        watchdog_.start();
        std::string action;
        // A message is window-modal: it takes every input until answered.
        // Project and Transit take most of the main window's actions, in a
        // long run nearly all, so that runs reach the last step.
        if (!messages.empty())
            action = answerMessage(messages.front());
        else if (top == &program_->windows.mainWindow() && chance(longRun_ ? 0.999 : 0.3))
            action = projectOrTransit();
        else if (top == &program_->windows.mainWindow() && !longRun_ && chance(0.2))
            action = openEditor();
        else if (top->objectName() == "dalvo3" && chance(0.6))
            action = enterInEditor(top);
        else
            action = anyAction(top);
        watchdog_.stop();
        return action;
    }

    std::string anyAction(QWidget* top)
    {
        const double roll = uniform(0, 1);
        if (roll < 0.55)
            return clickButton(top);
        if (roll < 0.63)
            return clickPicture(top);
        if (roll < 0.73)
            return clickSomewhere(top);
        if (roll < 0.95)
            return pressKey(top);
        tally("close box");
        top->close();
        return "close box of " + name(top);
    }

    std::string projectOrTransit()
    {
        QWidget& main = program_->windows.mainWindow();
        const bool ready = main.findChild<QWidget*>("Command1")->isEnabled();
        const bool byPicture = chance(0.3);
        const char* control =
            ready ? (byPicture ? "Project" : "Command1") : (byPicture ? "Transit" : "Command2");
        tally(ready ? "project" : "transit");
        input::click(input::findControl(main, control));
        return std::string("click ") + control + " at step " + std::to_string(stepCountBefore_);
    }

    // The editor is where most bad input can go in, so the walk goes there
    // more often than one button in thirteen would.
    std::string openEditor()
    {
        tally("click button");
        input::click(input::findControl(program_->windows.mainWindow(), "Command5"));
        return "click Command5 of frmForm1 \"Change default values\"";
    }

    std::string clickButton(QWidget* top)
    {
        std::vector<QAbstractButton*> buttons;
        for (QAbstractButton* button : top->findChildren<QAbstractButton*>())
            if (button->isVisible() && button->isEnabled())
                buttons.push_back(button);
        if (buttons.empty())
            return pressKey(top);
        QAbstractButton* button = pick(buttons);
        tally("click button");
        const std::string action = "click " + name(button) + " \"" + button->text().toStdString() + "\"";
        input::click(button);
        return action;
    }

    std::string clickPicture(QWidget* top)
    {
        std::vector<ui::ClickableLabel*> pictures;
        for (ui::ClickableLabel* picture : top->findChildren<ui::ClickableLabel*>())
            if (picture->isVisible() && picture->isEnabled())
                pictures.push_back(picture);
        if (pictures.empty())
            return clickSomewhere(top);
        ui::ClickableLabel* picture = pick(pictures);
        tally("click picture or label");
        const std::string action = "click " + name(picture);
        input::click(picture);
        return action;
    }

    // Wherever the pointer lands: a control, a label, a table cell or the
    // window's own background.
    std::string clickSomewhere(QWidget* top)
    {
        const QPoint point(int(uniform(0, top->width())), int(uniform(0, top->height())));
        QWidget* target = top->childAt(point);
        if (target == nullptr)
            target = top;
        tally("click somewhere");
        const std::string action = "click " + name(target) + " at " + std::to_string(point.x()) + "," +
                                   std::to_string(point.y()) + " of " + name(top);
        input::click(target, target->mapFrom(top, point));
        return action;
    }

    std::string pressKey(QWidget* top)
    {
        QWidget* target = top->focusWidget() ? top->focusWidget() : top;
        tally("key");
        const std::string to = " to " + name(target);
        switch (int(uniform(0, 6))) {
            case 0:
                input::keyClick(target, Qt::Key_Return);
                return "Enter" + to;
            case 1:
                input::keyClick(target, Qt::Key_Space);
                return "Space" + to;
            case 2:
                input::keyClick(target, Qt::Key_Tab);
                return "Tab" + to;
            case 3:
                input::keyClick(target, Qt::Key_Escape);
                return "Escape" + to;
            default: {
                const char letter = char('a' + int(uniform(0, 26)));
                input::keyClicks(target, QString(QChar::fromLatin1(letter)));
                return std::string("key '") + letter + "'" + to;
            }
        }
    }

    std::string answerMessage(QMessageBox* message)
    {
        tally("message answered");
        const double roll = uniform(0, 1);
        if (roll < 0.6 && !message->buttons().isEmpty()) {
            input::click(message->buttons().front());
            return "click OK of the message";
        }
        if (roll < 0.9)
            return pressKey(message);
        message->close();
        return "close box of the message";
    }

    // What a student types into one of the editor's cells: a sensible number
    // or something the editor has to cope with.
    std::string enterInEditor(QWidget* editor)
    {
        std::vector<QLineEdit*> cells;
        for (QLineEdit* cell : editor->findChildren<QLineEdit*>())
            if (cell->isVisible() && !cell->isReadOnly())
                cells.push_back(cell);
        QLineEdit* cell = pick(cells);
        const QString cellName = cell->objectName();
        const bool survival = cellName == "m1(4)" || cellName == "m1(9)" || cellName == "m1(14)";
        const bool fecundity = cellName.startsWith("m1(") && !survival;

        std::string text;
        const double roll = uniform(0, 1);
        if (survival && roll < 0.35) {
            tally("editor entry: a survival rate above 1");
            text = pick(std::vector<std::string>{"1.5", "2", "1.0001", "7"});
        } else if (roll < 0.6) {
            tally("editor entry: a good number");
            const double high = survival ? 1 : fecundity ? 2.5 : 200;
            text = QString::number(uniform(0, high), 'f', int(uniform(0, 3))).toStdString();
        } else {
            tally("editor entry: bad text");
            text = pick(std::vector<std::string>{"abc", "", "1E400", "-1E400", "1E400", "4E308", " 2.50",
                                                 "-0.5", "0", "1e5", "12abc", ".", "1,5"});
        }
        cell->setFocus();
        cell->selectAll();
        if (text.empty())
            input::keyClick(cell, Qt::Key_Backspace);
        else
            input::keyClicks(cell, QString::fromStdString(text));
        return "type \"" + text + "\" into " + cellName.toStdString();
    }

    // --- Dialogs answered by the walk -------------------------------------

    // Every window asks through these: the page printer offers "page.pdf",
    // the file commands the last chosen name.
    class WalkPrompts : public ui::Prompts {
    public:
        explicit WalkPrompts(RandomWalk& walk) : walk_(walk) {}
        QString chooseFileToSave(QWidget*, const QString& suggestedName) override
        {
            return suggestedName.endsWith(QStringLiteral(".pdf")) ? walk_.chooseFile("page", ".pdf")
                                                                   : walk_.chooseFile("run", ".csv");
        }
        // The light bulb projects the file it opens; the own-population
        // window only reads it.
        QString chooseFileToOpen(QWidget* window, const QString&) override
        {
            return walk_.chooseDataFile(window->objectName() != QStringLiteral("ownPopulationWindow"));
        }
        bool confirm(QWidget*, const QString&) override
        {
            const bool yes = walk_.chance(0.7);
            walk_.tally(yes ? "print: PDF instead" : "print: declined");
            return yes;
        }
        void report(QWidget*, const QString& message) override { walk_.reported(message); }

    private:
        RandomWalk& walk_;
    };

    // A new file in the walk's folder, a cancelled dialog, or a folder that
    // does not exist, which the program must report.
    QString chooseFile(const char* stem, const char* suffix)
    {
        const double roll = uniform(0, 1);
        const QString fileName = QStringLiteral("%1-%2%3").arg(stem).arg(++files_).arg(suffix);
        if (roll < 0.6) {
            tally(std::string("file: ") + stem + " chosen");
            expectedFiles_ << folder_.filePath(fileName);
            return folder_.filePath(fileName);
        }
        if (roll < 0.8) {
            tally(std::string("file: ") + stem + " cancelled");
            return {};
        }
        tally(std::string("file: ") + stem + " in a missing folder");
        ++expectedReports_;
        return folder_.filePath("no such folder/" + fileName);
    }

    // A copy of a good data file, a file that is no data file, or cancel.
    QString chooseDataFile(bool projected)
    {
        const double roll = uniform(0, 1);
        if (roll < 0.3) {
            tally("file: data cancelled");
            return {};
        }
        const bool good = roll < 0.75;
        const QString folder = folder_.filePath(QStringLiteral("batch-%1").arg(++files_));
        QDir().mkpath(folder);
        const QString path = folder + "/data.txt";
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(good ? QByteArray::fromStdString(testing_files::kExampleFile)
                        : QByteArray("not data\r\n"));
        file.close();
        if (good) {
            tally("file: data chosen");
            if (projected)
                expectedFiles_ << folder + "/data-AgeStructure.txt" << folder + "/data-AgeDistribution.txt";
        } else {
            tally("file: not a data file chosen");
            ++expectedReports_;
        }
        return path;
    }

    void reported(const QString& message)
    {
        tally("failure reported");
        if (--expectedReports_ < 0)
            problems_ += "an unexpected report: " + message.toStdString() + "\n";
    }

    // A dialog that the walk does not answer would wait for ever; it is
    // closed, and the walk fails naming it.
    void unblock()
    {
        QWidget* modal = QApplication::activeModalWidget();
        problems_ += "an action waited in a dialog: " +
                     (modal ? modal->metaObject()->className() + std::string(" \"") +
                                  modal->windowTitle().toStdString() + "\""
                            : std::string("(none found)")) +
                     "\n";
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else if (modal)
            modal->close();
    }

    // --- After each action -------------------------------------------------

    void afterAction()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        noteWhatHappened();
        for (const QString& path : std::as_const(expectedFiles_))
            if (!QFile::exists(path))
                problems_ +=
                    "a file the program should have written is missing: " + path.toStdString() + "\n";
        expectedFiles_.clear();
        if (expectedReports_ > 0)
            problems_ += "a failure was not reported\n";
        expectedReports_ = 0;
    }

    void noteWhatHappened()
    {
        const int steps = program_->windows.history().stepCount();
        const std::vector<QWidget*> windows = visibleProgramWindows();
        if (windows.size() == 1 && windows.front() != lastWindow_) {
            lastWindow_ = windows.front();
            const std::string shown = "window shown: " + lastWindow_->objectName().toStdString();
            tally(steps == kLastStep ? shown + " at step 1000" : shown);
        }
        if (steps == kLastStep && lastStepCount_ < kLastStep)
            tally("reached step 1000");
        if (steps == 0 && lastStepCount_ > 0)
            longRun_ = chance(kLongRunShare);  // a new run
        lastStepCount_ = steps;

        for (QMessageBox* message : visibleMessages()) {
            if (seenMessages_.contains(message))
                continue;
            seenMessages_ << message;
            const QWidget* over = message->parentWidget();
            if (over && over->objectName() == "dalvo3") {
                tally("editor refused a number");
            } else if (message->text().contains("reached step 1000")) {
                tally("projection refused at the limit of 1000 steps");
                longRun_ = false;
            } else {
                tally("projection refused");
                longRun_ = false;
            }
        }
        seenMessages_.removeIf([](const QPointer<QMessageBox>& seen) { return seen.isNull(); });

        if (auto* editor = program_->windows.editor.existing()) {
            const bool refusing = editor->findChild<QLabel*>("Label1")->isVisibleTo(editor);
            if (refusing && (editorSeen_ != editor || !editorRefusing_))
                tally("editor refused a survival rate above 1");
            editorSeen_ = editor;
            editorRefusing_ = refusing;
        }
    }

    std::string brokenInvariant()
    {
        std::string broken = problems_;
        problems_.clear();
        if (std::string history = historyInconsistency(program_->windows.history()); !history.empty())
            broken += "the history: " + history + "\n";
        if (!program_->ended) {
            const std::vector<QWidget*> windows = visibleProgramWindows();
            if (windows.size() != 1) {
                broken += std::to_string(windows.size()) + " windows of the program are visible:";
                for (QWidget* window : windows)
                    broken += " " + name(window);
                broken += "\n";
            }
        }
        const std::vector<QMessageBox*> messages = visibleMessages();
        if (messages.size() > 1)
            broken += std::to_string(messages.size()) + " messages are up at once\n";
        for (QMessageBox* message : messages)
            if (!message->parentWidget() || !message->parentWidget()->window()->isVisible())
                broken += "a message is up over a hidden window: " + message->text().toStdString() + "\n";
        return broken;
    }

    // --- Randomness and names ----------------------------------------------

    double uniform(double low, double high)
    {
        return std::uniform_real_distribution<double>(low, high)(random_);
    }
    bool chance(double p) { return uniform(0, 1) < p; }
    template <class T>
    T pick(const std::vector<T>& from)
    {
        return from[std::size_t(uniform(0, double(from.size()))) % from.size()];
    }

    void tally(const std::string& kind) { ++counts_[kind]; }

    static std::string name(const QWidget* widget)
    {
        const QString own =
            widget->objectName().isEmpty() ? widget->metaObject()->className() : widget->objectName();
        const QWidget* window = widget->window();
        if (window == widget)
            return own.toStdString();
        return (own + " of " + window->objectName()).toStdString();
    }

    std::mt19937 random_;
    WalkLog log_;
    QTimer watchdog_;
    QTemporaryDir folder_;
    WalkPrompts prompts_{*this};
    std::unique_ptr<Program> program_;
    std::map<std::string, int> counts_;
    SlowestAction slowest_;

    bool longRun_ = false;
    int stepCountBefore_ = 0;
    int lastStepCount_ = 0;
    int files_ = 0;
    int expectedReports_ = 0;
    QStringList expectedFiles_;
    std::string problems_;
    QList<QPointer<QMessageBox>> seenMessages_;
    QPointer<QWidget> editorSeen_;
    QPointer<QWidget> lastWindow_;
    bool editorRefusing_ = false;
};

TEST(RandomWalkTest, ThousandsOfActionsKeepTheProgramWhole)
{
    const std::uint32_t seed = walkSeed();
    std::cout << "random walk: seed " << seed << ", " << kActions << " actions" << std::endl;
    const auto start = std::chrono::steady_clock::now();
    RandomWalk walk(seed);
    walk.walk(kActions);
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::cout << "random walk took " << seconds << " s; actions and events by kind:\n";
    for (const auto& [kind, times] : walk.counts())
        std::cout << "  " << times << "  " << kind << "\n";
    std::cout << "the slowest action took " << walk.slowest().seconds << " s: " << walk.slowest().action
              << std::endl;

    for (const char* kind : {"project",
                             "transit",
                             "click button",
                             "click picture or label",
                             "click somewhere",
                             "key",
                             "close box",
                             "message answered",
                             "editor entry: a good number",
                             "editor entry: bad text",
                             "editor entry: a survival rate above 1",
                             "editor refused a survival rate above 1",
                             "editor refused a number",
                             "reached step 1000",
                             "projection refused at the limit of 1000 steps",
                             "program ended",
                             "program restarted",
                             "print: PDF instead",
                             "file: run chosen",
                             "file: data chosen",
                             "failure reported"})
        EXPECT_GT(walk.count(kind), 0) << kind << " never happened; seed " << seed;
}

}  // namespace
}  // namespace dalvo::testing_walk
