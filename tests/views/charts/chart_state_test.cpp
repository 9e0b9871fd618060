#include "views/charts/chart_state.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace dalvo {
namespace {

TEST(ChartStateTest, ResizingKeepsTheCellsThatStayInside)
{
    ChartState chart;
    chart.setColumnCount(2);
    chart.setRowCount(3);
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 2; ++c)
            chart.setData(r, c, 10.0 * r + c, false);

    chart.setColumnCount(8);
    EXPECT_EQ(chart.columnCount(), 8);
    EXPECT_EQ(chart.seriesCount(), 4);
    EXPECT_EQ(chart.cell(2, 1).value, 21.0);
    EXPECT_EQ(chart.cell(3, 2).value, 32.0);
    EXPECT_TRUE(chart.cell(1, 3).isNull);
    EXPECT_TRUE(chart.cell(3, 8).isNull);

    chart.setRowCount(2);
    EXPECT_EQ(chart.rowCount(), 2);
    EXPECT_EQ(chart.cell(2, 2).value, 22.0);
    EXPECT_THROW((void)chart.cell(3, 1), std::out_of_range);

    chart.setRowCount(4);
    EXPECT_EQ(chart.cell(1, 1).value, 11.0);
    EXPECT_TRUE(chart.cell(4, 1).isNull);

    chart.setColumnCount(2);
    EXPECT_EQ(chart.cell(2, 1).value, 21.0);
    EXPECT_THROW((void)chart.cell(1, 3), std::out_of_range);
}

TEST(ChartStateTest, CellsOutsideTheGridAreRefused)
{
    ChartState chart;
    chart.setColumnCount(2);
    chart.setRowCount(2);
    struct Case {
        const char* name;
        int row, column;
    };
    const Case cases[] = {
        {"row 0", 0, 1},
        {"row past the end", 3, 1},
        {"column 0", 1, 0},
        {"column past the end", 1, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_THROW(chart.setData(c.row, c.column, 1.0, false), std::out_of_range);
    }
    // A column past the end must not land in the next row.
    EXPECT_TRUE(chart.cell(2, 1).isNull);
    EXPECT_THROW(chart.setColumn(3), std::out_of_range);
}

TEST(ChartStateTest, LabelsOutliveANarrowerGrid)
{
    ChartState chart;
    chart.setColumnCount(8);
    chart.setColumn(5);
    chart.setColumnLabel("five");
    chart.setColumnCount(2);
    EXPECT_EQ(chart.columnLabel(5), "five");
    chart.setColumnCount(8);
    EXPECT_EQ(chart.columnLabel(5), "five");
    EXPECT_EQ(chart.columnLabel(3), "column 3");
    EXPECT_EQ(chart.columnLabel(12), "column 12");
}

TEST(ChartStateTest, SeriesAppearanceOutlivesANarrowerGrid)
{
    ChartState chart;
    chart.setColumnCount(8);
    chart.series(7).marker.style = MarkerStyle::FilledDiamond;
    chart.series(7).showLine = false;
    chart.setColumnCount(2);
    chart.setColumnCount(8);
    EXPECT_EQ(chart.series(7).marker.style, MarkerStyle::FilledDiamond);
    EXPECT_FALSE(chart.series(7).showLine);
    EXPECT_EQ(chart.series(3), SeriesAppearance{});
}

}  // namespace
}  // namespace dalvo
