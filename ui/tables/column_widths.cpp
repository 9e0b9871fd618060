// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/tables/column_widths.h"

#include <QFontMetrics>
#include <QHash>
#include <QHeaderView>
#include <QStyle>
#include <QTableView>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

#include "ui/tables/history_table_model.h"

namespace dalvo::ui {

namespace {

// Widths of the short number texts of a column, summed from the advances of
// single characters and the kerning of pairs: a handful of distinct
// characters, so a thousand texts cost a few dozen shapings instead of a
// thousand.
class TextWidths {
public:
    explicit TextWidths(const QFont& font) : metrics_(font) {}

    qreal of(const QString& text)
    {
        qreal sum = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            sum += advance(text[i]);
            if (i > 0)
                sum += kerning(text[i - 1], text[i]);
        }
        return sum;
    }

private:
    qreal advance(QChar ch)
    {
        const auto found = advances_.constFind(ch.unicode());
        if (found != advances_.cend())
            return *found;
        return advances_[ch.unicode()] = metrics_.horizontalAdvance(ch);
    }
    qreal kerning(QChar first, QChar second)
    {
        const std::uint32_t pair = (std::uint32_t{first.unicode()} << 16) | second.unicode();
        const auto found = kernings_.constFind(pair);
        if (found != kernings_.cend())
            return *found;
        const qreal both = metrics_.horizontalAdvance(QString(first) + second);
        return kernings_[pair] = both - advance(first) - advance(second);
    }

    QFontMetricsF metrics_;
    QHash<char16_t, qreal> advances_;
    QHash<std::uint32_t, qreal> kernings_;
};

}  // namespace

ColumnWidths::ColumnWidths(QTableView* view, const HistoryTableModel& table, int minimumWidth)
    : QObject(view), view_(view), table_(table), minimumWidth_(minimumWidth)
{
    connect(view_->horizontalHeader(), &QHeaderView::sectionResized, this, &ColumnWidths::keepWide);
}

void ColumnWidths::fit()
{
    needed_.assign(static_cast<std::size_t>(kTableColumns), minimumWidth_);
    for (int column = 0; column < kTableColumns; ++column)
        needed_[static_cast<std::size_t>(column)] = neededForColumn(column);
    view_->verticalHeader()->setFixedWidth(needed_[kStepColumn]);
    for (int column = kStepColumn + 1; column < kTableColumns; ++column)
        view_->horizontalHeader()->resizeSection(column - 1, needed_[static_cast<std::size_t>(column)]);
}

int ColumnWidths::neededForColumn(int column) const
{
    TextWidths widths(view_->font());
    qreal widest = 0;
    QString widestText;
    for (int t = 0; t < table_.rowCount(); ++t) {
        QString text = table_.text(t, column);
        const qreal width = widths.of(text);
        if (width > widest) {
            widest = width;
            widestText = std::move(text);
        }
    }
    // The widest text is also measured whole, in case its shaping differs
    // from the sum of its pairs.
    widest = std::max(widest, static_cast<qreal>(QFontMetrics(view_->font()).horizontalAdvance(widestText)));
    return std::max({neededForText(widest), neededForHeading(HistoryTableModel::heading(column)), minimumWidth_});
}

// The item view leaves a focus-frame margin and a pixel either side of a
// cell's text, and the grid line takes the cell's last pixel.
int ColumnWidths::neededForText(qreal textWidth) const
{
    const int textMargin = view_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view_) + 1;
    const int gridLine = view_->showGrid() ? 1 : 0;
    return static_cast<int>(std::ceil(textWidth)) + 2 * textMargin + gridLine;
}

// A header draws its text inside margins of its own and a frame.
int ColumnWidths::neededForHeading(const QString& heading) const
{
    const int headerMargin =
        view_->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, view_->horizontalHeader());
    return QFontMetrics(view_->font()).horizontalAdvance(heading) + 2 * headerMargin + 2;
}

void ColumnWidths::keepWide(int section, int, int newSize)
{
    const auto column = static_cast<std::size_t>(section) + 1;
    if (column < needed_.size() && newSize < needed_[column])
        view_->horizontalHeader()->resizeSection(section, needed_[column]);
}

}  // namespace dalvo::ui
