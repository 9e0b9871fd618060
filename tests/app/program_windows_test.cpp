#include "app/program_windows.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "model/module1.h"
#include "ui/main_window/main_window.h"

namespace dalvo::app {
namespace {

TEST(ProgramWindowsTest, StartsOnTheLoadedMainWindowAndItsCloseBoxEndsTheProgram)
{
    ProgramWindows windows;
    windows.start();
    ui::MainWindow& main = windows.mainWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    EXPECT_EQ(main.findChild<QLineEdit*>("total1")->text(), "10");
    EXPECT_EQ(&main.model().history(), &Module1::history());

    QSignalSpy ended(&windows, &ProgramWindows::programEnded);
    main.close();
    EXPECT_EQ(ended.count(), 1);
}

}  // namespace
}  // namespace dalvo::app
