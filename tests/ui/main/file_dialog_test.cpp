// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

// The main window's real file dialog, driven as the student drives it.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <memory>

#include "ui/common/prompts.h"
#include "ui/main/file_commands.h"
#include "ui/main/main_window.h"

namespace dalvo::ui {
namespace {

QList<QWidget*> visiblePopups()
{
    QList<QWidget*> popups;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->windowType() == Qt::Popup)
            popups << window;
    return popups;
}

// Typing a whole path brings up the completion list over the file name;
// Enter then chooses the file. Nothing of the dialog may stay on the screen
// after it, least of all a popup that takes the next click for itself.
TEST(FileDialogTest, NoCompletionListOutlivesTheDialog)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString data = folder.filePath(QStringLiteral("population.txt"));
    {
        QFile file(data);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a data file\n");
    }

    // The real dialog; only the news of the failure is kept for the test.
    struct RealDialogs : DialogPrompts {
        void report(QWidget*, const QString& message) override { reports << message; }
        QStringList reports;
    } prompts;
    StepwiseRun run;
    const History* history = &run.history();
    MainWindow window(run, prompts);
    window.load();
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    FileCommands commands(*history, prompts, &window);

    enum class Stage { WaitingForDialog, WaitingForList, EnterPressed };
    Stage stage = Stage::WaitingForDialog;
    bool listSeen = false;
    QElapsedTimer sinceTyping;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr)
            return;
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        switch (stage) {
        case Stage::WaitingForDialog:
            QApplication::setActiveWindow(dialog);
            name->setFocus();
            QTest::keyClicks(name, folder.path() + QLatin1Char('/'));
            // The folder's entries arrive from a thread of the dialog's model.
            QTest::qWait(500);
            QTest::keyClicks(name, QStringLiteral("population.txt"));
            sinceTyping.start();
            stage = Stage::WaitingForList;
            break;
        case Stage::WaitingForList:
            listSeen = !visiblePopups().isEmpty();
            if (listSeen || sinceTyping.elapsed() > 3000) {
                QTest::keyClick(name, Qt::Key_Return);
                stage = Stage::EnterPressed;
            }
            break;
        case Stage::EnterPressed:
            if (sinceTyping.elapsed() > 6000)
                dialog->reject();
            break;
        }
    });
    driver.start(20);
    commands.runBatchProjection();
    driver.stop();

    EXPECT_TRUE(listSeen);
    EXPECT_EQ(commands.fileName(), data);
    EXPECT_EQ(prompts.reports.size(), 1);
    QTest::qWait(300);
    EXPECT_TRUE(visiblePopups().isEmpty());
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

    // The next click is the student's, and it projects.
    QPushButton* project = window.findChild<QPushButton*>(QStringLiteral("Command1"));
    ASSERT_NE(project, nullptr);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      window.windowHandle()->mapFromGlobal(project->mapToGlobal(project->rect().center())));
    EXPECT_EQ(history->stepCount(), 1);
}

}  // namespace
}  // namespace dalvo::ui
