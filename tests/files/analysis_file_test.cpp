// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "files/analysis_file.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace dalvo {
namespace {

// Each line split at its commas, after checking that every line ends in CR LF.
std::vector<std::vector<std::string>> fieldsOf(const std::string& text)
{
    std::vector<std::vector<std::string>> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "a line without CR LF";
        if (end == std::string::npos)
            break;
        const std::string line = text.substr(start, end - start);
        EXPECT_EQ(line.find('\n'), std::string::npos);
        std::vector<std::string> fields;
        std::stringstream stream(line);
        std::string field;
        while (std::getline(stream, field, ','))
            fields.push_back(field);
        if (!line.empty() && line.back() == ',')
            fields.emplace_back();
        lines.push_back(fields);
        start = end + 2;
    }
    return lines;
}

const std::vector<std::string> kKeys = {
    "classes",          "lambda",                "r",
    "period_of_imprimitivity", "damping_ratio",  "oscillation_period",
    "net_reproductive_rate",   "generation_time", "stable_distribution",
    "reproductive_values",     "sensitivity_fecundity", "sensitivity_survival",
    "elasticity_fecundity",    "elasticity_survival",  "title",
    "fecundity",               "survival",             "initial_numbers"};

struct FileCase {
    std::string name;
    LeslieMatrix matrix;
    std::string title;
    std::vector<double> initial;
    // Expected fields after the key: "" for an empty field, "*" for any number,
    // "~x" for a number within 1e-9 of x.
    std::vector<std::vector<std::string>> values;
};

TEST(AnalysisFile, LinesKeysAndEmptyFields)
{
    const std::vector<FileCase> cases = {
        {"settles, four classes",
         {{0, 1.5, 2, 0.7}, {0.3, 0.8, 0.6}},
         "Owl, 1990",
         {10, 0, 2.5, 1e-9},
         {{"4"}, {"~1.01147450491"}, {"*"}, {"1"}, {"*"}, {"*"}, {"1.0308"}, {"*"},
          {"*", "*", "*", "*"}, {"1", "*", "*", "*"}, {"*", "*", "*", "*"}, {"*", "*", "*"},
          {"0", "*", "*", "*"}, {"*", "*", "*"}, {"\"Owl", " 1990\""}, {"0", "1.5", "2", "0.7"},
          {"0.3", "0.8", "0.6"}, {"10", "0", "2.5", "1E-09"}}},
        {"dies out, without a start",
         {{0, 0, 0}, {0.5, 0.5}},
         "\"Quoted\" words",
         {},
         {{"3"}, {"0"}, {""}, {""}, {""}, {""}, {"0"}, {""},
          {"", "", ""}, {"", "", ""}, {"", "", ""}, {"", ""}, {"", "", ""}, {"", ""}, {"\"Quoted\" words"},
          {"0", "0", "0"}, {"0.5", "0.5"}, {"", "", ""}}},
        {"one class",
         {{2}, {}},
         "",
         {3},
         {{"1"}, {"2"}, {"*"}, {"1"}, {""}, {""}, {"2"}, {"1"}, {"1"}, {"1"}, {"*"}, {}, {"1"}, {}, {""}, {"2"},
          {}, {"3"}}},
        {"imprimitive",
         {{0, 0, 2}, {0.3, 0.6}},
         "Beetles",
         {1, 1, 1},
         {{"3"}, {"*"}, {"*"}, {"3"}, {""}, {""}, {"0.36"}, {"*"},
          {"*", "*", "*"}, {"*", "*", "*"}, {"*", "*", "*"}, {"*", "*"}, {"*", "*", "*"}, {"*", "*"}, {"Beetles"},
          {"0", "0", "2"}, {"0.3", "0.6"}, {"1", "1", "1"}}},
    };
    for (const FileCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Result<LongTermOutlook> outlook = analyseLongTerm(c.matrix);
        ASSERT_TRUE(outlook);
        const auto lines = fieldsOf(analysisFileText(*outlook, {c.title, c.matrix, c.initial}));
        ASSERT_EQ(lines.size(), kKeys.size());
        for (std::size_t i = 0; i < kKeys.size(); ++i) {
            ASSERT_FALSE(lines[i].empty());
            EXPECT_EQ(lines[i][0], kKeys[i]);
            const std::vector<std::string> values(lines[i].begin() + 1, lines[i].end());
            ASSERT_EQ(values.size(), c.values[i].size()) << kKeys[i];
            for (std::size_t k = 0; k < values.size(); ++k) {
                if (c.values[i][k].starts_with("~"))
                    EXPECT_NEAR(std::stod(values[k]), std::stod(c.values[i][k].substr(1)), 1e-9) << kKeys[i];
                else if (c.values[i][k] == "*")
                    EXPECT_NE(values[k].find_first_of("0123456789"), std::string::npos) << kKeys[i];
                else
                    EXPECT_EQ(values[k], c.values[i][k]) << kKeys[i] << " " << k;
                if (kKeys[i] != "title") {
                    EXPECT_EQ(values[k].find(' '), std::string::npos);
                }
            }
        }
    }
}

}  // namespace
}  // namespace dalvo
