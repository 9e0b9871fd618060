// What the table tests share: runs of the projection model, the grid's texts, and layout checks.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTest>
#include <memory>
#include <vector>

#include "model/history.h"
#include "model/main_form_model.h"
#include "views/tables/step_grid.h"

namespace dalvo {

// A run from the default matrix and N(0) = 10, 0, 0, 0, stepped as the
// student steps it: Project, then Transit.
struct DefaultRun {
    std::unique_ptr<History> history = std::make_unique<History>();
    MainFormModel model{*history, {}};

    explicit DefaultRun(int projections = 0)
    {
        EXPECT_TRUE(model.load().ok());
        project(projections);
    }

    void project(int count)
    {
        for (int k = 0; k < count; ++k) {
            const Result<void> step = model.Projection();
            ASSERT_TRUE(step.ok()) << step.error().message;
            model.Transition();
        }
    }
};

inline const QStringList kHeaders = {"Time", "age 0", "age 1", "age 2", "age 3", "total(t)", "growth rate"};

inline QStringList gridRow(const ui::StepGrid& grid, int row)
{
    QStringList texts;
    for (int col = 0; col < grid.Cols(); ++col)
        texts << grid.TextMatrix(row, col);
    return texts;
}

inline QStringList gridColumn(const ui::StepGrid& grid, int col)
{
    QStringList texts;
    for (int row = 1; row < grid.Rows(); ++row)
        texts << grid.TextMatrix(row, col);
    return texts;
}

// The header row, then exactly `rows`, one per step.
inline void expectStepRows(const ui::StepGrid& grid, const QList<QStringList>& rows)
{
    ASSERT_EQ(grid.Rows(), rows.size() + 1);
    EXPECT_EQ(gridRow(grid, 0), kHeaders);
    for (int r = 0; r < rows.size(); ++r)
        EXPECT_EQ(gridRow(grid, r + 1), rows[r]) << "row " << r + 1;
}

inline QList<QStringList> allRows(const ui::StepGrid& grid)
{
    QList<QStringList> rows;
    for (int r = 0; r < grid.Rows(); ++r)
        rows << gridRow(grid, r);
    return rows;
}

// A control's place in twips, its caption, and whether its font is bold;
// every control of the tables is in Times New Roman 12 pt.
struct Placed {
    const char* name;
    QRect rect;
    QString caption;
    bool bold;
};

inline void expectPlaced(const QWidget& window, const std::vector<Placed>& controls)
{
    for (const Placed& p : controls) {
        SCOPED_TRACE(p.name);
        const QWidget* widget = window.findChild<QWidget*>(p.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), p.rect);
        EXPECT_EQ(widget->font().family(), "Times New Roman");
        EXPECT_EQ(widget->font().pointSizeF(), 12);
        EXPECT_EQ(widget->font().bold(), p.bold);
        if (auto* button = qobject_cast<const QPushButton*>(widget)) {
            EXPECT_EQ(button->text(), p.caption);
        }
    }
}

// Presses Tab from the focused control and expects focus on each name in turn.
inline void expectTabCycle(const std::vector<const char*>& order)
{
    for (const char* next : order) {
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), next);
    }
}

}  // namespace dalvo
