// The chart MSChart1's settings and data grid, kept from one chart to the next like a chart control's own.
#pragma once

#include <string>
#include <vector>

namespace dalvo {

// Values as the chart control numbers them.
enum class ChartType { XY2D = 16 };
enum class LegendLocation { Top = 1, Left = 3, Right = 4, Bottom = 6 };
enum class MarkerStyle {
    FilledSquare = 10,
    FilledDiamond = 11,
    FilledUpTriangle = 12,
    FilledDownTriangle = 13
};
enum class PenStyle { Null, Solid };
enum class AxisId { X = 0, Y = 1 };

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb&) const = default;
};

struct ChartFont {
    std::string name = "Arial";
    double size = 10.0;
    bool operator==(const ChartFont&) const = default;
};

// Marker size and outline width are in twips.
struct SeriesMarker {
    bool visible = true;
    double size = 120.0;
    MarkerStyle style = MarkerStyle::FilledSquare;
    PenStyle outlineStyle = PenStyle::Solid;
    double outlineWidth = 15.0;
    Rgb outline;
    Rgb fill;  // components start at 0; a chart sets only some of them
    bool operator==(const SeriesMarker&) const = default;
};

// A new series draws a connecting line in its own colour and chooses its
// markers itself; `marker` counts only once automatic markers are off.
struct SeriesAppearance {
    bool showLine = true;
    bool autoMarker = true;
    PenStyle regressionLine = PenStyle::Null;
    SeriesMarker marker;
    bool operator==(const SeriesAppearance&) const = default;
};

struct AxisSettings {
    bool titleVisible = false;
    std::string titleText;
    ChartFont titleFont;
    PenStyle gridStyle = PenStyle::Solid;
    Rgb gridColour{192, 192, 192};
};

// One cell of the data grid: a value, or nothing yet.
struct ChartCell {
    double value = 0.0;
    bool isNull = true;
};

class ChartState {
public:
    // Rows and columns are numbered from 1. Changing a count keeps the cells
    // that stay inside the grid; new cells hold nothing. Column labels and
    // series appearance are kept for every column ever used, also while the
    // count is lower, so that a later wider chart finds them again.
    int columnCount() const { return columnCount_; }
    void setColumnCount(int count);
    int rowCount() const { return rowCount_; }
    void setRowCount(int count);

    ChartType chartType = ChartType::XY2D;
    bool showLegend = false;
    std::string titleText;
    ChartFont titleFont;
    LegendLocation legendLocation = LegendLocation::Right;
    bool uniformAxis = false;

    // The series whose x values are in column `firstColumn` (1, 3, 5, ...).
    SeriesAppearance& series(int firstColumn);
    const SeriesAppearance& series(int firstColumn) const;
    int seriesCount() const { return columnCount_ / 2; }

    AxisSettings& axis(AxisId id) { return axes_[static_cast<int>(id)]; }
    const AxisSettings& axis(AxisId id) const { return axes_[static_cast<int>(id)]; }

    // The current column, whose label setColumnLabel() writes.
    int column() const { return column_; }
    void setColumn(int column);
    void setColumnLabel(const std::string& label);
    // A column that was never labelled reads "column" and its number.
    std::string columnLabel(int column) const;
    int columnLabelCount() const { return columnLabelCount_; }
    void setColumnLabelCount(int count);

    // Throws std::out_of_range for a cell outside the grid.
    void setData(int row, int column, double value, bool isNull);
    const ChartCell& cell(int row, int column) const;

private:
    void growColumnsTo(int column);
    std::size_t cellIndex(int row, int column) const;

    int columnCount_ = 2;
    int rowCount_ = 0;
    std::vector<ChartCell> cells_;
    std::vector<SeriesAppearance> series_ = std::vector<SeriesAppearance>(1);
    std::vector<std::string> labels_ = std::vector<std::string>(2);
    std::vector<bool> labelled_ = std::vector<bool>(2, false);
    AxisSettings axes_[2];
    int column_ = 1;
    int columnLabelCount_ = 1;
};

}  // namespace dalvo
