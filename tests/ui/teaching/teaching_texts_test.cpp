// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <string_view>
#include <vector>

#include "ui/teaching/about_window.h"
#include "ui/teaching/how_to_window.h"
#include "ui/teaching/introduction_window.h"
#include "ui/teaching/references_window.h"

namespace dalvo::ui {
namespace {

// The screens' texts as standard strings, which the checks below search and split.
std::vector<std::string> standard(const QStringList& texts)
{
    std::vector<std::string> converted;
    for (const QString& text : texts)
        converted.push_back(text.toStdString());
    return converted;
}

std::vector<std::string> howToLines()
{
    return standard(HowToWindow::lines());
}

std::vector<std::string> introductionFragments()
{
    return standard(IntroductionWindow::fragments());
}

std::string introductionText()
{
    return IntroductionWindow::page().toStdString();
}

std::vector<std::vector<std::string>> referenceFragments()
{
    std::vector<std::vector<std::string>> references;
    for (const QStringList& reference : ReferencesWindow::referenceFragments())
        references.push_back(standard(reference));
    return references;
}

std::string referenceList()
{
    return ReferencesWindow::referenceList().toStdString();
}

std::string citation(int year)
{
    return AboutWindow::citation(year).toStdString();
}

std::string newVersionNotice()
{
    return AboutWindow::newVersionNotice().toStdString();
}

std::string usageNotice()
{
    return AboutWindow::usageNotice().toStdString();
}

std::string protectionNotice()
{
    return AboutWindow::protectionNotice().toStdString();
}

std::string rightsLine()
{
    return AboutWindow::rightsLine().toStdString();
}

std::string makerNotice()
{
    return AboutWindow::makerNotice().toStdString();
}

std::vector<std::string> splitAt(const std::string& text, const std::string& separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + separator.size();
    }
    parts.push_back(text.substr(start));
    return parts;
}

TEST(HowToLinesTest, EachLineReadsExactly)
{
    const std::vector<std::pair<int, std::string_view>> expected = {
        {0, "Press Project to calculate the population structure at  t+1."},
        {1, "Press Transit to move the population structure to the left side."},
        {2, "Press How To to see this page."},
        {3, "Press Change Default Values to make change of the default values."},
        {4, "Press Graph to see the graphs."},
        {5, "Press Intro to see the theoretical introduction."},
        {6, "Press Quit to quit the program."},
        {7, "Press Print to print the page (your printer must be connected to LPT1)."},
    };
    ASSERT_EQ(howToLines().size(), expected.size());
    for (const auto& [index, line] : expected)
        EXPECT_EQ(howToLines()[index], line) << "line " << index;
}

TEST(IntroductionTextTest, FixedFragmentsReadExactly)
{
    const std::vector<std::pair<int, std::string_view>> expected = {
        {2, "The first row (the red numbers) of the square matrix contains "},
        {3, "the age-specific fecundities "},
        {4, "of each age group, the subdiagnol column (the blue numbers) "},
        {5, "contains the age-specific "},
        {6, "survival rates. A single column matrix (vector) is used to represent "},
        {7, "the age structure of the population. As the time approaches infinity, "},
        {8, "the growth rate becomes constant and the age distribution becomes stable. "},
        {9, "The program is designed for my ecological class.  You can use this "},
        {10, "program to simulate the growth of this population.  You will see the "},
        {11, "growth settles down to a stable increase rate as time approaching infinity. "},
        {12, "Press on the graph button, you will see the change of the total population "},
        {13, "size, the change of growth rate, age-structure, and the age distribution. "},
        {14, "The finite rate of increase can be solved numerically. "},
        {17, "The Dalvo-Leslie matrix is valid for age-structured populations. "},
        {18, "However, it does not take the stage differentiation into account. "},
        {19, "It ignores the sexual differentiation too. For insect and mite "},
        {20, "populations, there are significant stage overlapping. It means that "},
        {21, "individuals of the same age may be in different developmental stage. "},
        {22, "Because individuals of different stages may be quite different in the "},
        {23, "susceptibility to insecticides, predation rate, vulnerability to predator, "},
        {24, "behavior, and others, it is important to take the age-stage structure "},
    };
    for (const auto& [number, fragment] : expected)
        EXPECT_EQ(introductionFragments()[number - 1], fragment) << "fragment " << number;
}

TEST(IntroductionTextTest, OurOwnFragmentsSayWhatTheyMust)
{
    struct Case {
        const char* name;
        int number;
        std::string_view mustHold;
    };
    const std::vector<Case> cases = {
        {"first originator and year", 1, "Dalvo (1942)"},
        {"second originator and year", 1, "Leslie (1945)"},
        {"the separate solver", 15, "finite rate of increase"},
        {"the download", 16, "download"},
        {"recommendation opens", 25, "into consideration.  "},
        {"recommendation begins", 25, "recommend"},
        {"a separate life-table program", 26, "life-table program"},
        {"two-sex theory", 29, "two-sex life-table theory"},
        {"both ways", 29, "both in data analysis and in theory"},
    };
    for (const Case& c : cases)
        EXPECT_NE(introductionFragments()[c.number - 1].find(c.mustHold), std::string_view::npos) << c.name;
    EXPECT_EQ(introductionFragments()[24].substr(0, 21), "into consideration.  ");
}

TEST(IntroductionTextTest, FragmentsRunTogetherWithoutLineBreaks)
{
    const auto& fragments = introductionFragments();
    ASSERT_EQ(fragments.size(), 29u);
    std::string joined;
    for (std::size_t i = 0; i < fragments.size(); ++i) {
        SCOPED_TRACE(i + 1);
        ASSERT_FALSE(fragments[i].empty());
        EXPECT_EQ(fragments[i].back(), ' ');
        EXPECT_EQ(fragments[i].find_first_of("\r\n"), std::string_view::npos);
        joined += fragments[i];
    }
    const std::string text = introductionText();
    EXPECT_EQ(text, joined);
    EXPECT_EQ(text.back(), ' ');
    EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos);
}

TEST(ReferenceListTest, SixReferencesOfTheirFragmentCounts)
{
    std::vector<std::size_t> counts;
    for (const auto& reference : referenceFragments())
        counts.push_back(reference.size());
    EXPECT_EQ(counts, (std::vector<std::size_t>{2, 3, 2, 2, 2, 2}));
    std::size_t total = 0;
    for (std::size_t count : counts)
        total += count;
    EXPECT_EQ(total, 13u);
}

TEST(ReferenceListTest, AnEmptyLineBetweenReferencesAndNoneAfterTheLast)
{
    const std::string list = referenceList();
    const std::vector<std::string> parts = splitAt(list, "\n\n");
    const auto references = referenceFragments();
    ASSERT_EQ(parts.size(), references.size());
    for (std::size_t i = 0; i < parts.size(); ++i) {
        SCOPED_TRACE(i + 1);
        std::string expected;
        for (const std::string& fragment : references[i])
            expected += fragment;
        EXPECT_EQ(parts[i], expected);
        EXPECT_EQ(parts[i].find_first_of("\r\n"), std::string::npos);
    }
    EXPECT_NE(list.back(), '\n');
    EXPECT_EQ(list.find('\r'), std::string::npos);
}

TEST(ReferenceListTest, EachReferenceHasAuthorsYearTitleAndSource)
{
    // Authors, then a year, then at least a title and a source.
    const std::regex shape(R"(^[A-Z][A-Za-z'-]+, [A-Z]\.( [A-Z]\.)* (19|20)\d\d\. .+\. .+\.$)");
    for (const auto& fragments : referenceFragments()) {
        std::string reference;
        for (const std::string& fragment : fragments)
            reference += fragment;
        EXPECT_TRUE(std::regex_match(reference, shape)) << reference;
    }
    const std::string list = referenceList();
    EXPECT_NE(list.find("Leslie, P. H. 1945."), std::string::npos);
    EXPECT_NE(list.find("Biometrika"), std::string::npos);
    EXPECT_EQ(list.find("Dalvo"), std::string::npos);
}

TEST(AboutTextsTest, CitationJoinsItsPiecesInOrder)
{
    struct Case {
        int year;
        std::string expected;
    };
    const std::string head =
        "If you use this program in your research, please cite the following  reference in your paper:\n\n"
        "Ecology Teaching Group, Example Ecology Laboratory. 1997-";
    const std::string tail =
        ". Computer program of Dalvo-Leslie matrix.. \n https://www.example.org/dalvo-leslie/";
    const std::vector<Case> cases = {
        {1997, head + "1997" + tail},
        {2024, head + "2024" + tail},
        {2031, head + "2031" + tail},
        {987, head + "0987" + tail},
    };
    for (const Case& c : cases)
        EXPECT_EQ(citation(c.year), c.expected) << c.year;
}

TEST(AboutTextsTest, NewVersionNoticeHasFiveLinesEachEndedByALineFeed)
{
    const std::string notice = newVersionNotice();
    ASSERT_FALSE(notice.empty());
    EXPECT_EQ(notice.back(), '\n');
    EXPECT_EQ(notice.find('\r'), std::string::npos);
    const std::vector<std::string> lines = splitAt(notice.substr(0, notice.size() - 1), "\n");
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "You can get new version of this program at following webs:");
    const std::regex address(R"(^https://([a-z0-9-]+\.)*example\.org/\S*$)");
    EXPECT_TRUE(std::regex_match(lines[1], address)) << lines[1];
    EXPECT_TRUE(std::regex_match(lines[3], address)) << lines[3];
    EXPECT_NE(lines[1], lines[3]);
    EXPECT_TRUE(std::regex_match(lines[2], std::regex(R"(^\([^()]+\) or$)"))) << lines[2];
    EXPECT_TRUE(std::regex_match(lines[4], std::regex(R"(^\([^()]+\)\.$)"))) << lines[4];
}

TEST(AboutTextsTest, NoticesAreFilledIn)
{
    for (const std::string& notice : {usageNotice(), protectionNotice(), rightsLine(), makerNotice()}) {
        EXPECT_FALSE(notice.empty());
        EXPECT_EQ(notice.find_first_of("\r\n"), std::string::npos) << notice;
    }
}

TEST(TeachingTextsTest, EveryWebAddressIsUnderExampleOrg)
{
    const std::vector<std::pair<const char*, std::string>> texts = {
        {"introduction", introductionText()},
        {"references", referenceList()},
        {"citation", citation(2024)},
        {"new versions", newVersionNotice()},
        {"usage", usageNotice()},
        {"protection", protectionNotice()},
        {"maker", makerNotice()},
    };
    // Anything that looks like a host name: a word, a dot, a known ending.
    const std::regex host(R"(([A-Za-z0-9-]+\.)+(org|com|net|edu|gov|int|tw|de|uk)\b)");
    const std::regex allowed(R"(^([A-Za-z0-9-]+\.)*example\.org$)");
    int addresses = 0;
    for (const auto& [name, text] : texts) {
        for (auto it = std::sregex_iterator(text.begin(), text.end(), host); it != std::sregex_iterator();
             ++it) {
            ++addresses;
            EXPECT_TRUE(std::regex_match(it->str(), allowed)) << name << ": " << it->str();
        }
    }
    // The introduction's two downloads, the citation's home page and the two
    // download places of the notice.
    EXPECT_GE(addresses, 5);
}

}  // namespace
}  // namespace dalvo::ui
