// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/main/file_commands.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <deque>
#include <memory>

#include "files/saved_run.h"
#include "tests/files/batch_data.h"
#include "ui/common/prompts.h"
#include "ui/main/main_window.h"
#include "tests/support/input_driver.h"

namespace dalvo::ui {
namespace {

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    return file.readAll();
}

void putFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The main window over a history of its own, with the two commands wired
// to its buttons as the program wires them, and scripted answers for the
// dialogs.
class FileCommandsTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        window.load();
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QObject::connect(&window, &MainWindow::saveRequested, commands, &FileCommands::saveRun);
        QObject::connect(&window, &MainWindow::batchRequested, commands, &FileCommands::runBatchProjection);
    }

    QString answer(QWidget* parent, const QString& offered, const QString& form)
    {
        EXPECT_EQ(parent, &window);
        asked << form + ":" + offered;
        if (answers.empty()) {
            ADD_FAILURE() << "an unexpected " << form.toStdString() << " dialog";
            return {};
        }
        const QString chosen = answers.front();
        answers.pop_front();
        return chosen;
    }

    void click(const char* name)
    {
        input::click(input::findControl<QPushButton>(window, QString::fromLatin1(name)));
    }
    void project(int steps)
    {
        for (int i = 0; i < steps; ++i) {
            click("Command1");
            click("Command2");
        }
    }
    QString path(const QString& name) const { return folder.filePath(name); }
    QByteArray saved(SavePrecision precision) const
    {
        const Result<std::string> text = savedRunText(*history, precision);
        EXPECT_TRUE(text.ok());
        return text.ok() ? QByteArray::fromStdString(*text) : QByteArray();
    }

    // Answers in the test's place, in the order the answers are queued.
    class AnsweringPrompts : public Prompts {
    public:
        explicit AnsweringPrompts(FileCommandsTest& test) : test_(test) {}
        QString chooseFileToSave(QWidget* window, const QString& name) override
        {
            return test_.answer(window, name, "save");
        }
        QString chooseFileToOpen(QWidget* window, const QString& name) override
        {
            return test_.answer(window, name, "open");
        }
        bool confirm(QWidget*, const QString& question) override
        {
            ADD_FAILURE() << "an unexpected question: " << question.toStdString();
            return false;
        }
        void report(QWidget* window, const QString& message) override
        {
            EXPECT_EQ(window, &test_.window);
            test_.messages << message;
        }

    private:
        FileCommandsTest& test_;
    };

    QTemporaryDir folder;
    StepwiseRun run;
    const History* history = &run.history();
    AnsweringPrompts prompts{*this};
    MainWindow window{run, prompts};
    FileCommands* commands = new FileCommands(*history, prompts, &window);
    std::deque<QString> answers;
    QStringList asked;
    QStringList messages;
};

TEST_F(FileCommandsTest, SIsSavedAsAFullAndARoundedFile)
{
    project(4);
    answers = {path("full.csv"), path("rounded.csv")};
    click("Command9");
    EXPECT_EQ(asked, QStringList({"save:", "save:" + path("full.csv")}));
    EXPECT_TRUE(messages.isEmpty()) << messages.join("\n").toStdString();
    EXPECT_EQ(fileBytes(path("full.csv")), saved(SavePrecision::Full));
    EXPECT_EQ(fileBytes(path("rounded.csv")), saved(SavePrecision::Rounded));
    EXPECT_NE(saved(SavePrecision::Full), saved(SavePrecision::Rounded));
    EXPECT_EQ(commands->fileName(), path("rounded.csv"));
}

TEST_F(FileCommandsTest, ACancelledDialogEndsTheSaveQuietly)
{
    struct Case {
        const char* name;
        std::deque<QString> answers;
        QByteArray full, rounded;  // expected contents; "<missing>" for none
        QString remembered;
    };
    project(1);
    const QByteArray text = saved(SavePrecision::Full);
    const Case cases[] = {
        {"cancel the first dialog", {QString()}, "<missing>", "<missing>", QString()},
        {"cancel the second dialog", {path("a.csv"), QString()}, text, "<missing>", path("a.csv")},
    };
    for (const Case& c : cases) {
        QFile::remove(path("a.csv"));
        QFile::remove(path("b.csv"));
        FileCommands fresh(*history, prompts, &window);
        answers = c.answers;
        fresh.saveRun();
        EXPECT_TRUE(answers.empty()) << c.name;
        EXPECT_TRUE(messages.isEmpty()) << c.name;
        EXPECT_EQ(fileBytes(path("a.csv")), c.full) << c.name;
        EXPECT_EQ(fileBytes(path("b.csv")), c.rounded) << c.name;
        EXPECT_EQ(fresh.fileName(), c.remembered) << c.name;
    }
}

TEST_F(FileCommandsTest, BothCommandsShareTheLastChosenName)
{
    const QString data = path("owl.dat");
    putFile(data, QByteArray::fromStdString(testing_files::kExampleFile));
    answers = {path("one.csv"), path("two.csv"), data, QString(), QString()};
    click("Command9");
    click("Command12");
    click("Command9");
    EXPECT_EQ(asked,
              QStringList({"save:", "save:" + path("one.csv"), "open:" + path("two.csv"), "save:" + data}));
    EXPECT_TRUE(messages.isEmpty()) << messages.join("\n").toStdString();
    EXPECT_EQ(commands->fileName(), data) << "a cancel keeps the remembered name";
}

TEST_F(FileCommandsTest, TheBatchCommandWritesItsResultsAndShowsNothing)
{
    const QString data = path("owl.dat");
    putFile(data, QByteArray::fromStdString(testing_files::kExampleFile));
    answers = {data};
    click("Command12");
    EXPECT_TRUE(messages.isEmpty()) << messages.join("\n").toStdString();
    EXPECT_TRUE(fileBytes(path("owl-AgeStructure.txt")).startsWith(" 0 , 10 , 0 , 0 , 0 , 10 , 0.5 \r\n"));
    EXPECT_TRUE(fileBytes(path("owl-AgeDistribution.txt")).startsWith(" 0 , 1 , 0 , 0 , 0 \r\n"));
    EXPECT_TRUE(fileBytes(path("owl-Analysis.txt")).startsWith("classes,4\r\nlambda,1.2197"));
    EXPECT_TRUE(window.isVisible());
}

TEST_F(FileCommandsTest, FailuresAreReportedWithTheFileTheReasonAndWhatToDo)
{
    struct Case {
        const char* name;
        const char* button;
        std::deque<QString> answers;
        QStringList pieces;
    };
    putFile(path("bad.dat"), "Owls,3\r\nFecundity\r\n0,one,2,1\r\n");
    const Case cases[] = {
        {"the first file",
         "Command9",
         {path("none/full.csv")},
         {"The run was not saved.", "\"" + path("none/full.csv") + "\"", "there is no such folder",
          "Choose another folder or file name"}},
        {"the second file",
         "Command9",
         {path("full.csv"), path("none/rounded.csv")},
         {"\"" + path("full.csv") + "\" was saved, but not the rounded one",
          "\"" + path("none/rounded.csv") + "\"", "there is no such folder"}},
        {"a missing data file",
         "Command12",
         {path("missing.dat")},
         {"\"" + path("missing.dat") + "\" could not be opened: there is no such file",
          "Choose another data file"}},
        {"a bad data file",
         "Command12",
         {path("bad.dat")},
         {"\"" + path("bad.dat") + "\" cannot be used", "Line 3: the fecundity F(1) is \"one\"",
          "Correct the file"}},
    };
    for (const Case& c : cases) {
        messages.clear();
        answers = c.answers;
        click(c.button);
        ASSERT_EQ(messages.size(), 1) << c.name;
        for (const QString& piece : c.pieces)
            EXPECT_TRUE(messages[0].contains(piece)) << c.name << ": " << messages[0].toStdString();
    }
    EXPECT_FALSE(QFile::exists(path("bad-AgeStructure.txt")));
    EXPECT_FALSE(QFile::exists(path("bad-AgeDistribution.txt")));
    EXPECT_FALSE(QFile::exists(path("bad-Analysis.txt")));
}

// The real dialog: CommonDialog1 on the main window, in save form, set to
// ask before it replaces a file. Cancelling it keeps the file as it was.
// (Answering Qt's own replace question is not driven here: the dialog reads
// the chosen folder asynchronously, which made such a test hang now and then.)
TEST_F(FileCommandsTest, TheRealSaveDialogIsSetToAskBeforeReplacing)
{
    DialogPrompts dialogs;
    FileCommands real(*history, dialogs, &window);
    const QString existing = path("kept.csv");
    putFile(existing, "old");

    bool seen = false;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || seen)
            return;
        seen = true;
        EXPECT_EQ(dialog->objectName(), "CommonDialog1");
        EXPECT_EQ(dialog->parentWidget(), &window);
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_TRUE(dialog->nameFilters().isEmpty() || dialog->nameFilters() == QStringList{"All Files (*)"});
        dialog->selectFile(existing);
        dialog->reject();
    });
    driver.start(20);
    real.saveRun();
    driver.stop();

    EXPECT_TRUE(seen);
    EXPECT_EQ(fileBytes(existing), "old");
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(real.fileName(), QString());
}

}  // namespace
}  // namespace dalvo::ui
