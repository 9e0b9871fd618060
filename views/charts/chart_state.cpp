#include "views/charts/chart_state.h"

#include <algorithm>
#include <stdexcept>

#include "model/number_text.h"

namespace dalvo {

void ChartState::setColumnCount(int count)
{
    count = std::max(count, 0);
    if (count == columnCount_)
        return;
    std::vector<ChartCell> resized(static_cast<std::size_t>(rowCount_) * count);
    const int kept = std::min(count, columnCount_);
    for (int r = 0; r < rowCount_; ++r)
        for (int c = 0; c < kept; ++c)
            resized[static_cast<std::size_t>(r) * count + c] =
                cells_[static_cast<std::size_t>(r) * columnCount_ + c];
    cells_ = std::move(resized);
    columnCount_ = count;
    column_ = std::clamp(column_, 1, std::max(count, 1));
    growColumnsTo(count);
}

void ChartState::setRowCount(int count)
{
    rowCount_ = std::max(count, 0);
    // Rows are stored one after another, so the kept rows stay in place.
    cells_.resize(static_cast<std::size_t>(rowCount_) * columnCount_);
}

void ChartState::growColumnsTo(int column)
{
    if (column > static_cast<int>(labels_.size())) {
        labels_.resize(column);
        labelled_.resize(column, false);
    }
    const std::size_t seriesNeeded = (static_cast<std::size_t>(column) + 1) / 2;
    if (seriesNeeded > series_.size())
        series_.resize(seriesNeeded);
}

SeriesAppearance& ChartState::series(int firstColumn)
{
    if (firstColumn < 1)
        throw std::out_of_range("series column below 1");
    growColumnsTo(firstColumn);
    return series_[(firstColumn - 1) / 2];
}

const SeriesAppearance& ChartState::series(int firstColumn) const
{
    static const SeriesAppearance untouched;
    if (firstColumn < 1)
        throw std::out_of_range("series column below 1");
    const std::size_t index = (firstColumn - 1) / 2;
    return index < series_.size() ? series_[index] : untouched;
}

void ChartState::setColumn(int column)
{
    if (column < 1 || column > columnCount_)
        throw std::out_of_range("current column outside the grid");
    column_ = column;
}

void ChartState::setColumnLabel(const std::string& label)
{
    growColumnsTo(column_);
    labels_[column_ - 1] = label;
    labelled_[column_ - 1] = true;
}

std::string ChartState::columnLabel(int column) const
{
    if (column >= 1 && column <= static_cast<int>(labels_.size()) && labelled_[column - 1])
        return labels_[column - 1];
    return "column " + formatGeneral(column, NumberLocale{});
}

void ChartState::setColumnLabelCount(int count)
{
    columnLabelCount_ = std::max(count, 1);
}

std::size_t ChartState::cellIndex(int row, int column) const
{
    if (row < 1 || row > rowCount_ || column < 1 || column > columnCount_)
        throw std::out_of_range("cell outside the data grid");
    return static_cast<std::size_t>(row - 1) * columnCount_ + (column - 1);
}

void ChartState::setData(int row, int column, double value, bool isNull)
{
    cells_[cellIndex(row, column)] = ChartCell{value, isNull};
}

const ChartCell& ChartState::cell(int row, int column) const
{
    return cells_[cellIndex(row, column)];
}

}  // namespace dalvo
