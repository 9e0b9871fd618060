// What the table tests share: runs of the projection model, the grid's texts, and layout checks.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QImage>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QStyle>
#include <QTest>
#include <memory>
#include <vector>

#include "model/history.h"
#include "model/main_form_model.h"
#include "ui/common/twips.h"
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
            const Result<void> step = model.projectOnce();
            ASSERT_TRUE(step.ok()) << step.error().message;
            model.transit();
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

// Every text of the grid fits the cell it is drawn in, as the font measures
// it inside the item view's text margins (a focus-frame margin and a pixel
// either side, the grid line off the cell's width), so the view never cuts
// it; and no column is narrower than the table's 1200 twips.
inline void expectEveryTextFits(const ui::StepGrid& grid)
{
    const QFontMetrics metrics(grid.font());
    const int margin = grid.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &grid) + 1;
    for (int col = 1; col < grid.Cols(); ++col) {
        const int width = grid.columnWidth(col - 1);
        EXPECT_GE(width, ui::twips(1200)) << "column " << col;
        const int room = width - (grid.showGrid() ? 1 : 0) - 2 * margin;
        int cut = 0;
        for (int row = 1; row < grid.Rows(); ++row) {
            const QString text = grid.TextMatrix(row, col);
            if (metrics.elidedText(text, Qt::ElideRight, room) != text && cut++ < 3)
                ADD_FAILURE() << "row " << row << " column " << col << ": \"" << text.toStdString()
                              << "\" needs " << metrics.horizontalAdvance(text) << " of " << room << " pixels";
        }
        EXPECT_EQ(cut, 0) << "column " << col;
    }
    const int stepColumn = grid.verticalHeader()->width();
    EXPECT_GE(stepColumn, ui::twips(1200));
    for (int row = 1; row < grid.Rows(); ++row)
        EXPECT_LT(metrics.horizontalAdvance(grid.TextMatrix(row, 0)), stepColumn) << "row " << row;
}

// Columns from `left` to the right edge of the picture that hold anything
// darker than mid-grey in rows `top` to `bottom`: how wide the drawn text is.
inline int inkWidth(const QImage& image, int left, int right, int top, int bottom)
{
    int first = -1, last = -1;
    for (int x = left; x <= right; ++x)
        for (int y = top; y <= bottom; ++y)
            if (qGray(image.pixel(x, y)) < 128) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
    return first < 0 ? 0 : last - first + 1;
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
