// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/common/prompts.h"

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QTest>
#include <QWidget>

namespace dalvo::ui {
namespace {

// A failure reported through the real prompts looks like a failed step: the
// window's own non-blocking warning, so the program's clock keeps running
// and every message reads the same.
TEST(DialogPromptsTest, AReportIsTheWindowsNonBlockingWarning)
{
    QWidget window;
    window.setWindowTitle(QStringLiteral("Dalvo-Leslie Matrix"));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    DialogPrompts prompts;
    prompts.report(&window, QStringLiteral("The run was not saved."));

    auto* box = window.findChild<QMessageBox*>(QStringLiteral("problemMessage"));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->text(), QStringLiteral("The run was not saved."));
    EXPECT_EQ(box->windowModality(), Qt::WindowModal);
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    box->close();
}

}  // namespace
}  // namespace dalvo::ui
