// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/common/control_sheet.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTranslator>
#include <algorithm>
#include <functional>
#include <map>
#include <memory>

#include "app/translations.h"
#include "model/source_text.h"
#include "support/default_run.h"
#include "support/scripted_prompts.h"
#include "ui/charts/chart_window.h"
#include "ui/common/messages.h"
#include "ui/common/twips.h"
#include "ui/editor/new_run_editor.h"
#include "ui/main/main_window.h"
#include "ui/outlook/outlook_window.h"
#include "ui/own_population/chance_tab.h"
#include "ui/own_population/life_table_tab.h"
#include "ui/own_population/outlook_tab.h"
#include "ui/own_population/own_population_window.h"
#include "ui/own_population/population_entry.h"
#include "ui/own_population/projection_tab.h"
#include "ui/startup/title_window.h"
#include "ui/tables/table_window.h"
#include "ui/teaching/about_window.h"
#include "ui/teaching/dedication_window.h"
#include "ui/teaching/how_to_window.h"
#include "ui/teaching/introduction_window.h"
#include "ui/teaching/quiz_window.h"
#include "ui/teaching/references_window.h"

namespace dalvo::ui {
namespace {

// Every window, built from its sheet with the texts it shows once the student
// sees it. The gui tests run under English and German settings, so the
// numbers and dates these texts hold come in both forms.
struct Window {
    const char* name;
    const ControlSheet& sheet;
    std::function<QWidget*(Prompts&, StepwiseRun&)> make;
};

// A tab of the "Own population" window showing a population of `classes`
// classes that breed from the middle class on and swing as they settle.
template <class Tab>
QWidget* ownPopulationTab(int classes)
{
    OwnPopulation population{.matrix = {std::vector<double>(classes, 0.0), std::vector<double>(classes - 1, 0.9)}};
    for (int j = classes / 2; j < classes; ++j)
        population.matrix.fecundity[static_cast<std::size_t>(j)] = 4.0 / classes;
    population.initial.assign(static_cast<std::size_t>(classes), 10.0);
    auto* tab = new Tab(nullptr);
    tab->showStudy(population, studyPopulation(population));
    return tab;
}

const std::vector<Window>& windows()
{
    static const std::vector<Window> all = {
        {"main window", MainWindow::sheet(),
         [](Prompts& prompts, StepwiseRun& run) {
             auto* window = new MainWindow(run, prompts);
             window->load();
             window->project();
             return window;
         }},
        {"new-run editor", NewRunEditor::sheet(),
         [](Prompts&, StepwiseRun&) { return new NewRunEditor(numberLocaleOfSystem()); }},
        {"outlook", OutlookWindow::sheet(),
         [](Prompts& prompts, StepwiseRun&) {
             auto* window = new OutlookWindow(prompts, numberLocaleOfSystem());
             window->showMatrix(LeslieMatrix{{0, 1, 2, 1}, {0.5, 1, 0.5}});
             return window;
         }},
        {"own population", OwnPopulationWindow::sheet(),
         [](Prompts& prompts, StepwiseRun&) { return new OwnPopulationWindow(prompts, numberLocaleOfSystem()); }},
        {"own population entry", PopulationEntry::sheet(),
         [](Prompts&, StepwiseRun&) { return new PopulationEntry(numberLocaleOfSystem(), nullptr); }},
        {"age structure table", TableWindow::sheet(AgeColumns::Numbers),
         [](Prompts& prompts, StepwiseRun& run) {
             auto* window = new TableWindow(AgeColumns::Numbers, run, numberLocaleOfSystem(), prompts);
             return window;
         }},
        {"age distribution table", TableWindow::sheet(AgeColumns::Proportions),
         [](Prompts& prompts, StepwiseRun& run) {
             auto* window =
                 new TableWindow(AgeColumns::Proportions, run, numberLocaleOfSystem(), prompts);
             return window;
         }},
        {"chart", ChartWindow::sheet(),
         [](Prompts& prompts, StepwiseRun& run) {
             auto* window = new ChartWindow(run, prompts);
             window->graph();
             return window;
         }},
        {"title screen", TitleWindow::sheet(), [](Prompts&, StepwiseRun&) { return new TitleWindow; }},
        {"introduction", IntroductionWindow::sheet(),
         [](Prompts&, StepwiseRun&) { return new IntroductionWindow; }},
        {"references", ReferencesWindow::sheet(), [](Prompts&, StepwiseRun&) { return new ReferencesWindow; }},
        {"how to", HowToWindow::sheet(), [](Prompts&, StepwiseRun&) { return new HowToWindow; }},
        {"quiz", QuizWindow::sheet(), [](Prompts&, StepwiseRun&) { return new QuizWindow; }},
        {"about", AboutWindow::sheet(), [](Prompts&, StepwiseRun&) { return new AboutWindow; }},
        {"dedication", DedicationWindow::sheet(), [](Prompts&, StepwiseRun&) { return new DedicationWindow; }},
        {"projection tab", ProjectionTab::sheet(),
         [](Prompts&, StepwiseRun&) { return ownPopulationTab<ProjectionTab>(kMaxAgeClasses); }},
        {"outlook tab, grids", OutlookTab::sheet(),
         [](Prompts&, StepwiseRun&) { return ownPopulationTab<OutlookTab>(4); }},
        {"outlook tab, columns", OutlookTab::sheet(),
         [](Prompts&, StepwiseRun&) { return ownPopulationTab<OutlookTab>(kMaxAgeClasses); }},
        {"life table tab", LifeTableTab::sheet(),
         [](Prompts&, StepwiseRun&) { return ownPopulationTab<LifeTableTab>(kMaxAgeClasses); }},
        {"chance tab", ChanceTab::sheet(),
         [](Prompts&, StepwiseRun&) { return ownPopulationTab<ChanceTab>(kMaxAgeClasses); }},
    };
    return all;
}

constexpr int kBorderTwips = 15;

QRect pixels(const QRect& twips)
{
    return twipRect(twips.x(), twips.y(), twips.width(), twips.height());
}

// The control's place in twips on the window itself.
QRect onWindow(const ControlSheet& sheet, const ControlEntry& declared)
{
    QRect place = declared.twips;
    for (QString parent = declared.parentRole; !parent.isEmpty(); parent = sheet[parent].parentRole)
        place.translate(sheet[parent].twips.topLeft());
    return place;
}

bool holds(const ControlSheet& sheet, const ControlEntry& outer, const ControlEntry& inner)
{
    for (QString parent = inner.parentRole; !parent.isEmpty(); parent = sheet[parent].parentRole)
        if (parent == outer.role)
            return true;
    return false;
}

QSize parentSize(const ControlSheet& sheet, const ControlEntry& declared)
{
    return declared.parentRole.isEmpty() ? sheet.twips : sheet[declared.parentRole].twips.size();
}

// What the text needs at the control's font inside the room the control
// gives it, or an empty string when it fits.
QString overflow(const QSize& needed, const QRect& room)
{
    if (needed.width() <= room.width() && needed.height() <= room.height())
        return {};
    return QStringLiteral("needs %1x%2 px, has %3x%4")
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height());
}

// The room a text takes laid out in `room`: a text on one line needs its ink
// to fit, one on several lines the whole line spacing of each.
QSize needed(const QFontMetrics& metrics, const QRect& room, int flags, const QString& text)
{
    const QRect laidOut = metrics.boundingRect(room, flags, text);
    if (laidOut.height() > metrics.lineSpacing())
        return laidOut.size();
    const QRect ink = metrics.tightBoundingRect(QString(text).remove(QLatin1Char('&')));
    return {laidOut.width(), ink.height()};
}

QString textOverflow(const QWidget& control)
{
    const QFontMetrics metrics(control.font());
    if (const auto* box = qobject_cast<const QCheckBox*>(&control))
        return box->text().isEmpty() ? QString() : overflow(box->sizeHint(), box->rect());
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
        if (button->text().isEmpty())
            return {};
        // The room the wrapping button draws its caption in.
        QStyleOptionButton option;
        option.initFrom(button);
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, button) / 2;
        const QRect room = button->rect().adjusted(margin, margin, -margin, -margin);
        return overflow(needed(metrics, room, Qt::TextWordWrap | Qt::TextShowMnemonic, button->text()), room);
    }
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        if (label->text().isEmpty() || !label->pixmap().isNull())
            return {};
        QRect room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(),
                                                    -label->margin());
        if (label->indent() > 0)
            room.setLeft(room.left() + label->indent());
        return overflow(needed(metrics, room, label->wordWrap() ? Qt::TextWordWrap : 0, label->text()), room);
    }
    if (const auto* field = qobject_cast<const QLineEdit*>(&control)) {
        // A line edit keeps two pixels on each side of its text.
        const QRect room = field->contentsRect().adjusted(2, 0, -2, 0);
        return overflow(needed(metrics, room, 0, field->text()), room);
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(&control))
        return overflow(needed(metrics, frame->rect(), 0, frame->title()), frame->rect());
    return {};
}

// What the student reads on a control, or hears of it.
QStringList shownTexts(const QWidget& control)
{
    QStringList texts{control.toolTip(), control.accessibleName()};
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control))
        texts << button->text();
    else if (const auto* label = qobject_cast<const QLabel*>(&control))
        texts << label->text();
    else if (const auto* frame = qobject_cast<const QGroupBox*>(&control))
        texts << frame->title();
    texts.removeAll(QString());
    return texts;
}

// A translation keeps names, formulas and numbers as they are.
bool keptInTranslation(const QString& text)
{
    static const QStringList kKept = {"Dalvo-Leslie Matrix", "Dalvo", "Leslie", "OK", "N(t)-N(t-1)", "&Matrix",
                                      QString::fromUtf8("明辨是非，格物致知。")};
    return std::count_if(text.begin(), text.end(), [](QChar c) { return c.isLetter(); }) < 2 ||
           kKept.contains(text);
}

// The languages the windows are built in, English first: the program has no
// translation into English, so its windows show the source texts.
struct Language {
    const char* name;
    QLocale locale;
    bool translated;
};
const Language kLanguages[] = {
    {"English", QLocale(QLocale::English, QLocale::UnitedStates), false},
    {"German", QLocale(QLocale::German, QLocale::Germany), true},
};

// The program's translators for a language, installed while this lives.
struct Speaking {
    explicit Speaking(const QLocale& locale) : installed(app::installTranslations(locale, *qApp)) {}
    ~Speaking() { qDeleteAll(installed); }
    QList<QTranslator*> installed;
};

class ControlSheetTest : public testing::Test {
protected:
    DefaultRun run{4};
    ScriptedPrompts prompts;
};

TEST_F(ControlSheetTest, EveryControlLiesInsideItsWindowOrFrame)
{
    for (const Window& window : windows()) {
        for (const ControlEntry& declared : window.sheet.controls) {
            SCOPED_TRACE(QStringLiteral("%1: %2").arg(window.name, declared.role).toStdString());
            EXPECT_TRUE(declared.twips.isEmpty() ||
                        QRect(QPoint(0, 0), parentSize(window.sheet, declared)).contains(declared.twips))
                << "at " << declared.twips.x() << ", " << declared.twips.y();
        }
    }
}

TEST_F(ControlSheetTest, NoTwoControlsOverlapUnlessOneHoldsTheOther)
{
    for (const Window& window : windows()) {
        const ControlSheet& sheet = window.sheet;
        for (std::size_t i = 0; i < sheet.controls.size(); ++i) {
            for (std::size_t j = i + 1; j < sheet.controls.size(); ++j) {
                const ControlEntry& a = sheet.controls[i];
                const ControlEntry& b = sheet.controls[j];
                // Lines drawn over a whole frame or window, and controls shown
                // in turn at the same place, may share it.
                if (a.twips.isEmpty() || b.twips.isEmpty() || a.takesTurnsWith.contains(b.role) ||
                    b.takesTurnsWith.contains(a.role) || holds(sheet, a, b) || holds(sheet, b, a))
                    continue;
                // Neighbours may share their border line, one pixel (15
                // twips) wide at the screen scale the layout was drawn for.
                const QRect shared = onWindow(sheet, a).intersected(onWindow(sheet, b));
                EXPECT_LE(std::min(shared.width(), shared.height()), kBorderTwips)
                    << window.name << ": " << a.role.toStdString() << " and " << b.role.toStdString();
            }
        }
    }
}

// The built window is the sheet: each control under its name, in its frame,
// at its place; and every text the student reads there fits its control.
// `read` is given each control with its window's name and its role.
void buildEveryWindow(ScriptedPrompts& prompts, DefaultRun& run,
                      const std::function<void(const std::string&, const QWidget&)>& read)
{
    for (const Window& entry : windows()) {
        SCOPED_TRACE(entry.name);
        std::unique_ptr<QWidget> window(entry.make(prompts, run.model));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        EXPECT_EQ(window->objectName(), entry.sheet.windowName);
        EXPECT_EQ(window->size(), twipSize(entry.sheet.twips.width(), entry.sheet.twips.height()));
        for (const ControlEntry& declared : entry.sheet.controls) {
            SCOPED_TRACE(declared.role.toStdString());
            const auto found = window->findChildren<QWidget*>(declared.objectName);
            ASSERT_EQ(found.size(), 1) << declared.objectName.toStdString();
            const QWidget* control = found.front();
            const QWidget* parent =
                declared.parentRole.isEmpty()
                    ? window.get()
                    : window->findChild<QWidget*>(entry.sheet[declared.parentRole].objectName);
            EXPECT_EQ(control->parentWidget(), parent);
            // A picture is shown at its own size, placed by its window
            // within the room the sheet gives it.
            if (declared.kind == ControlKind::Picture)
                EXPECT_TRUE(parent->rect().contains(control->geometry()));
            else
                EXPECT_EQ(control->geometry(), declared.twips.isEmpty() ? parent->rect() : pixels(declared.twips));
            const QString problem = textOverflow(*control);
            EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();
            read(std::string(entry.name) + "/" + declared.role.toStdString(), *control);
        }
    }
}

// In English and in every translation; a translation leaves no text in English.
TEST_F(ControlSheetTest, BuiltWindowsFollowTheirSheetsAndEveryTextFits)
{
    std::map<std::string, QStringList> english;
    for (const Language& language : kLanguages) {
        SCOPED_TRACE(language.name);
        const Speaking speaking(language.locale);
        ASSERT_EQ(!speaking.installed.isEmpty(), language.translated);
        // Qt's own dialogs and buttons speak the same language.
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel") != "Cancel", language.translated);
        // So do the core's failures.
        const Error failure = explained(sourceText("dalvo::Error", "\"%1\" is not a number."), {"x"});
        EXPECT_EQ(shownError(failure) != toQString(failure.message), language.translated);
        buildEveryWindow(prompts, run, [&](const std::string& where, const QWidget& control) {
            // The clock shows the system's date, in the system's language.
            if (where == "main window/clockLabel")
                return;
            for (const QString& text : shownTexts(control))
                if (!language.translated)
                    english[where] << text;
                else
                    EXPECT_TRUE(keptInTranslation(text) || !english[where].contains(text))
                        << where << " left in English: " << text.toStdString();
        });
    }
}

TEST(ControlSheetNamesTest, CaptionsLoseTheirMnemonicMarker)
{
    struct Case {
        const char* caption;
        const char* spoken;
    };
    const Case cases[] = {
        {"&Print page", "Print page"},     {"Go &back", "Go back"},
        {"Fish && chips", "Fish & chips"}, {"A&&&B", "A&B"},
        {"Ends with &", "Ends with "},     {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(withoutMnemonic(QString::fromUtf8(c.caption)), QString::fromUtf8(c.spoken)) << c.caption;
}

}  // namespace
}  // namespace dalvo::ui
