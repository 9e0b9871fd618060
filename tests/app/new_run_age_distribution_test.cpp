// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

// A new run from the editor shows its own step 0 in the age-distribution table, not the last run's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "app/program_windows.h"
#include "model/number_text.h"
#include "ui/startup/title_window.h"
#include "ui/editor/new_run_editor.h"
#include "ui/main/main_window.h"
#include "ui/tables/history_table_model.h"
#include "ui/tables/table_window.h"
#include "tests/support/input_driver.h"

namespace dalvo::app {
namespace {

using input::click;

class NewRunAgeDistributionTest : public testing::Test {
protected:
    void SetUp() override
    {
        windows.start();
        input::keyClick(&windows.titleScreen(), Qt::Key_Space);
    }

    void typeInEditor(const char* cell, const char* text)
    {
        auto* field = input::findControl<QLineEdit>(windows.editor.get(), QString::fromLatin1(cell));
        ASSERT_NE(field, nullptr) << cell;
        input::click(field);
        field->selectAll();
        if (*text == '\0')
            input::keyClick(field, Qt::Key_Backspace);
        else
            input::keyClicks(field, QString::fromLatin1(text));
    }

    ProgramWindows windows;
};

// The default run starts with all individuals in class 0; each new N(0)
// has a different distribution, which step 0 of the table must show before
// anything is projected.
TEST_F(NewRunAgeDistributionTest, StepZeroShowsTheNewInitialPopulation)
{
    struct Case {
        const char* name;
        const char* n0[4];
        QStringList stepZero;
    };
    auto number = [this](double value) {
        return QString::fromStdString(formatGeneral(value, windows.mainWindow().locale()));
    };
    const std::vector<Case> cases = {
        {"two classes", {"0", "5", "5", "0"}, {"0", number(0.5), number(0.5), "0"}},
        {"unreadable text reads as 0", {"abc", "0", "3", "1"}, {"0", "0", number(0.75), number(0.25)}},
        {"no individuals at all", {"0", "0", "0", ""}, {"0", "0", "0", "0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int step = 0; step < 4; ++step) {
            click("frmForm1", "Command1");
            click("frmForm1", "Command2");
        }
        click("frmForm1", "Command5");
        for (int i = 0; i < 4; ++i)
            typeInEditor(QStringLiteral("n0(%1)").arg(i).toLatin1().constData(), c.n0[i]);
        click("dalvo3", "Command1");
        ASSERT_EQ(windows.history().stepCount(), 0);

        click("frmForm1", "Command11");
        click("DataTabl", "Command3");
        const ui::HistoryTableModel& table = windows.ageDistribution.get().tableModel();
        ASSERT_EQ(table.rowCount(), 1);
        QStringList shown;
        for (int age = 0; age < 4; ++age)
            shown << table.index(0, age).data().toString();
        EXPECT_EQ(shown.join(", ").toStdString(), c.stepZero.join(", ").toStdString());
        click("frmAgeDist", "Command1");

        // Back to the default population for the next case's first steps.
        click("frmForm1", "Command5");
        const char* defaults[4] = {"10", "0", "0", "0"};
        for (int i = 0; i < 4; ++i)
            typeInEditor(QStringLiteral("n0(%1)").arg(i).toLatin1().constData(), defaults[i]);
        click("dalvo3", "Command1");
    }
}

}  // namespace
}  // namespace dalvo::app
