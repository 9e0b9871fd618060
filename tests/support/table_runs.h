// What the table tests share: runs of the projection model, the texts a table shows, and layout checks.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QImage>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QStyle>
#include <QTableView>
#include <QTest>
#include <memory>
#include <vector>

#include "model/history.h"
#include "model/stepwise_run.h"
#include "support/default_run.h"
#include "ui/common/control_sheet.h"
#include "ui/common/twips.h"

namespace dalvo {

inline const QStringList kHeadings = {"Time", "age 0", "age 1", "age 2", "age 3", "total(t)", "growth rate"};

// The headings as the view shows them: the step column's in the corner over
// the vertical header, then the model's column headings.
inline QStringList shownHeadings(const QTableView& view)
{
    QStringList texts;
    const auto* corner = view.findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    texts << (corner ? corner->text() : QString());
    for (int column = 0; column < view.model()->columnCount(); ++column)
        texts << view.model()->headerData(column, Qt::Horizontal).toString();
    return texts;
}

// Step `t` as the table shows it: the step from the vertical header, then
// the cells.
inline QStringList stepRow(const QAbstractItemModel& model, int t)
{
    QStringList texts{model.headerData(t, Qt::Vertical).toString()};
    for (int column = 0; column < model.columnCount(); ++column)
        texts << model.index(t, column).data().toString();
    return texts;
}

// Every step's text in one column of the table, the step column being 0.
inline QStringList tableColumn(const QAbstractItemModel& model, int column)
{
    QStringList texts;
    for (int t = 0; t < model.rowCount(); ++t)
        texts << stepRow(model, t)[column];
    return texts;
}

inline QList<QStringList> allRows(const QAbstractItemModel& model)
{
    QList<QStringList> rows;
    for (int t = 0; t < model.rowCount(); ++t)
        rows << stepRow(model, t);
    return rows;
}

// The headings, then exactly `rows`, one per step.
inline void expectStepRows(const QTableView& view, const QList<QStringList>& rows)
{
    EXPECT_EQ(shownHeadings(view), kHeadings);
    ASSERT_EQ(view.model()->rowCount(), rows.size());
    for (int t = 0; t < rows.size(); ++t)
        EXPECT_EQ(stepRow(*view.model(), t), rows[t]) << "step " << t;
}

// Every text of the table fits the cell it is drawn in, as the font measures
// it inside the item view's text margins (a focus-frame margin and a pixel
// either side, the grid line off the cell's width), so the view never cuts
// it; and no column is narrower than the table's 1200 twips.
inline void expectEveryTextFits(const QTableView& view)
{
    const QAbstractItemModel& model = *view.model();
    const QFontMetrics metrics(view.font());
    const int margin = view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1;
    for (int column = 0; column < model.columnCount(); ++column) {
        const int width = view.columnWidth(column);
        EXPECT_GE(width, ui::twips(1200)) << "column " << column;
        const int room = width - (view.showGrid() ? 1 : 0) - 2 * margin;
        int cut = 0;
        for (int t = 0; t < model.rowCount(); ++t) {
            const QString text = model.index(t, column).data().toString();
            if (metrics.elidedText(text, Qt::ElideRight, room) != text && cut++ < 3)
                ADD_FAILURE() << "step " << t << " column " << column << ": \"" << text.toStdString()
                              << "\" needs " << metrics.horizontalAdvance(text) << " of " << room << " pixels";
        }
        EXPECT_EQ(cut, 0) << "column " << column;
    }
    const int stepColumn = view.verticalHeader()->width();
    EXPECT_GE(stepColumn, ui::twips(1200));
    for (int t = 0; t < model.rowCount(); ++t)
        EXPECT_LT(metrics.horizontalAdvance(model.headerData(t, Qt::Vertical).toString()), stepColumn)
            << "step " << t;
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

// Every control of a table window is in Times New Roman 12 pt, and only
// the buttons are bold.
inline void expectTimesTwelve(const QWidget& window, const ui::ControlSheet& sheet)
{
    for (const ui::ControlEntry& declared : sheet.controls) {
        SCOPED_TRACE(declared.objectName.toStdString());
        const QWidget* widget = window.findChild<QWidget*>(declared.objectName);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->font().family(), "Times New Roman");
        EXPECT_EQ(widget->font().pointSizeF(), 12);
        EXPECT_EQ(widget->font().bold(), qobject_cast<const QPushButton*>(widget) != nullptr);
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
