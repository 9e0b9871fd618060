// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "files/population_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/batch_reader.h"
#include "files/text_file.h"
#include "model/number_text.h"

namespace dalvo {
namespace {

const LifeTable kWorked{{1, 0.45, 0.15, 0.05, 0}, {0, 2, 2.5, 2.5, 0}};

TEST(PopulationFile, ReadsLifeTablesWrittenInTheUsualWays)
{
    const char* const texts[] = {
        "x,lx,mx\n0,1,0\n1,0.45,2\n2,0.15,2.5\n3,0.05,2.5\n4,0,0\n",
        // Other order and case, a column to ignore, CR LF.
        "M(X),Notes,L(x),AGE\r\n0,birth,1,0\r\n2,,0.45,1\r\n2.5,,0.15,2\r\n2.5,,0.05,3\r\n0,,0,4\r\n",
        // Semicolons, decimal commas, a byte order mark, blank lines.
        "\xEF\xBB\xBFx;l(x);b(x)\n\n0;1;0\n1;0,45;2\n2;0,15;2,5\n3;0,05;2,5\n4;0;0\n\n",
        // Tabs, quotes, no age column.
        "\"lx\"\t\"bx\"\n1\t0\n\"0,45\"\t2\n0.15\t2.5\n0.05\t2.5\n0\t0\n",
        // Numbers alive, CR alone.
        "age,n(x),mx\r0,200,0\r1,90,2\r2,30,2.5\r3,10,2.5\r4,0,0\r",
    };
    for (const char* text : texts) {
        const Result<LifeTable> table = readLifeTableText(text);
        ASSERT_TRUE(table) << text << table.error().message;
        EXPECT_EQ(*table, kWorked) << text;
    }
}

TEST(PopulationFile, RefusesWhatItCannotReadNamingTheLine)
{
    const std::pair<const char*, const char*> cases[] = {
        {"AGE,lx,mx\n0,1,0\n2,0.5,1\n1,0.2,1\n", "Line 3, column AGE: the age is 2"},
        {"x,survival,mx\n0,1,0\n", "Line 1: the header row names no survivorship column"},
        {"x;lx\n0;1\n", "Line 1: the header row names no column of offspring"},
        {"x,lx,mx\n0,1,0\n1,\"0,5\",1\n", "Line 3, column lx: \"0,5\" is not a number (with commas"},
        {"x,lx,mx\n0,1,0\n1,0.5\n", "Line 3, column mx: the value is missing"},
        {"x,lx,mx\n0,1,0\n\n1,0.5,1\n2,0.6,1\n", "Line 5, age x = 2: l(2) = 0.6"},
        {"x,lx,mx\n0,1,0\n", "Age x = 1: l(1) is 0"},
        {"x,nx,mx\n0,0,0\n1,0,0\n", "Line 2, column nx: n(0) is 0"},
    };
    for (const auto& [text, named] : cases) {
        const Result<LifeTable> table = readLifeTableText(text);
        ASSERT_FALSE(table) << named;
        EXPECT_NE(table.error().message.find(named), std::string::npos) << table.error().message;
    }
    // Neither kind: the student learns why for both readings.
    const std::string neither = readPopulationText("Some notes\n1 2 3\n").error().message;
    for (const char* part : {"neither a data file (Line 2", "nor a life table (Line 1"})
        EXPECT_NE(neither.find(part), std::string::npos) << neither;
    // A header naming a life table's columns shows what was meant.
    const std::string badTable = readPopulationText(cases[5].first).error().message;
    EXPECT_EQ(badTable.find("This life table cannot be opened. Line 5, age x = 2"), 0u) << badTable;
}

TEST(PopulationFile, WrittenFilesReadBackTheSame)
{
    auto open = [](const char* file) {
        return readPopulationText(readTextFile(std::string(DALVO_EXAMPLES_DIR) + "/" + file)->bytes);
    };
    const Result<OwnPopulation> fromTable = open("life-table.csv"), large = open("101-classes.txt");
    ASSERT_TRUE(fromTable && large && large->matrix.classes() == 101 && large->steps == 99 &&
                fromTable->lifeTable == kWorked);
    OwnPopulation titled = *fromTable;
    titled.title = "Beetles, \"wild\"\nsecond line";
    titled.steps = 500;
    auto shown = [](std::vector<double> values) {
        for (double& value : values)
            value = shownValue(value);
        return values;
    };
    for (const OwnPopulation* p : std::vector<const OwnPopulation*>{&titled, &*large}) {
        const Result<BatchData> back = readBatchData(populationDataFileText(*p));
        ASSERT_TRUE(back) << back.error().message;
        EXPECT_EQ(back->matrix, (LeslieMatrix{shown(p->matrix.fecundity), shown(p->matrix.survival)}));
        EXPECT_EQ(back->initial, shown(p->initial));
        EXPECT_EQ(back->lastStep, std::min(p->steps, kBatchLastStep));
    }
    EXPECT_EQ(readBatchData(populationDataFileText(titled))->title, "Beetles, 'wild' second line");

    // The life table file holds x, lx and mx among its columns, so it opens again as the same table.
    const std::string csv = lifeTableCsvText(kWorked);
    EXPECT_EQ(csv.substr(0, csv.find("\r\n2,")),
              "x,lx,dx,qx,px,Lx,Tx,ex,mx,lxmx,xlxmx\r\n0,1,0.55,0.55,0.45,0.725,1.15,"
              "1.15,0,0,0\r\n1,0.45,0.3,0.666666666666667,0.333333333333333,0.3,"
              "0.425,0.944444444444444,2,0.9,0.9");
    EXPECT_NE(csv.find("\r\n4,0,0,,,0,0,,0,0,0\r\n"), std::string::npos) << csv;
    EXPECT_EQ(readLifeTableText(csv).value(), kWorked);
    EXPECT_TRUE(populationFileKind("a/Bees.CSV") == PopulationFileKind::LifeTableCsv &&
                populationFileKind("bees-analysis.txt") == PopulationFileKind::Analysis &&
                populationFileKind("bees.csv.txt") == PopulationFileKind::DataFile);
}

}  // namespace
}  // namespace dalvo
