#include "book/Contents.h"
#include "book/Errors.h"

#include <gtest/gtest.h>
#include <map>

namespace {

using Rows = std::map<int, std::vector<std::string>>; // row -> slots from slot 1 on

struct LoadCase {
    const char* name;
    std::string text;
    std::vector<std::string> items;
    Rows rows;
    int count;
    std::string error; // empty: loading succeeds
};

std::ostream& operator<<(std::ostream& out, const LoadCase& c) {
    return out << c.name;
}

std::string lines(std::initializer_list<std::string> parts, const std::string& end = "\n") {
    std::string text;
    for (const auto& part : parts) {
        text += part + end;
    }
    return text;
}

// Every row must hold exactly the expected slots, and every other row nothing.
void expectRows(const book::ChapterTable& table, const Rows& rows) {
    for (int row = 1; row <= book::kChapterRows; ++row) {
        const auto expected = rows.count(row) ? rows.at(row) : std::vector<std::string>{};
        for (int slot = 1; slot <= book::kSlotsPerRow; ++slot) {
            const std::string want =
                slot <= static_cast<int>(expected.size()) ? expected[slot - 1] : "";
            EXPECT_EQ(table.slot(row, slot), want) << "row " << row << " slot " << slot;
        }
    }
}

class ContentsLoading : public ::testing::TestWithParam<LoadCase> {};

TEST_P(ContentsLoading, FillsListTableAndCount) {
    const LoadCase& c = GetParam();
    book::Contents contents;
    std::string error;
    try {
        book::parseContents(c.text, contents);
    } catch (const book::BookError& failure) {
        error = failure.what();
    }
    EXPECT_EQ(error, c.error);
    EXPECT_EQ(contents.items, c.items);
    expectRows(contents.table, c.rows);
    EXPECT_EQ(contents.chapterCount, c.count);
}

const std::string kWorkedExample =
    lines({"[vkladka]", "1", "A", "[pro]", "#P", "B", "[pro]", "#Q", "C", "[vkladka]", "2", "D"}) +
    "2";

INSTANTIATE_TEST_SUITE_P(
    Texts, ContentsLoading,
    ::testing::Values(
        LoadCase{"WorkedExample",
                 kWorkedExample,
                 {"A", "     B", "     C", " ", "D"},
                 {{1, {"0", "#toppage", "1", "#P", "2", "#Q"}}, {2, {"4", "#toppage"}}},
                 2,
                 ""},
        LoadCase{"CrLfLineEnds",
                 lines({"[vkladka]", "1", "A", "[pro]", "#P", "B"}, "\r\n") + "1",
                 {"A", "     B"},
                 {{1, {"0", "#toppage", "1", "#P"}}},
                 1,
                 ""},
        LoadCase{"LoneCarriageReturnDropped",
                 lines({"[vkladka]", "1", "Ti\rtle"}) + "1",
                 {"Title"},
                 {{1, {"0", "#toppage"}}},
                 1,
                 ""},
        LoadCase{"ChaptersOnly",
                 lines({"[vkladka]", "1", "A", "[vkladka]", "2", "B"}) + "2",
                 {"A", " ", "B"},
                 {{1, {"0", "#toppage"}}, {2, {"2", "#toppage"}}},
                 2,
                 ""},
        LoadCase{"StrayAndEmptyLinesSkipped",
                 lines({"", "junk", "[vkladka]", "", " \t", "3  trailing words", "A", "", "17",
                        "[pro]", "#P", "B", "noise"}) +
                     "3",
                 {"A", "     B"},
                 {{3, {"0", "#toppage", "1", "#P"}}},
                 3,
                 ""},
        LoadCase{"EmptyAnchorAndTitles",
                 lines({"[vkladka]", "1", "", "[pro]", "", ""}) + "1",
                 {"", "     "},
                 {{1, {"0", "#toppage", "1", ""}}},
                 1,
                 ""},
        LoadCase{"MarkersWithBlanksAreNotMarkers",
                 lines({"[vkladka]", "1", "A", "[pro] ", "#P", "B", " [vkladka]", "[PRO]"}) + "1",
                 {"A"},
                 {{1, {"0", "#toppage"}}},
                 1,
                 ""},
        LoadCase{"LeadingZerosSelectRow",
                 lines({"[vkladka]", "007", "Seven"}) + "7",
                 {"Seven"},
                 {{7, {"0", "#toppage"}}},
                 7,
                 ""},
        LoadCase{"HexChapterNumber",
                 lines({"[vkladka]", "$0A", "Ten"}) + "10",
                 {"Ten"},
                 {{10, {"0", "#toppage"}}},
                 10,
                 ""},
        LoadCase{"SameNumberSharesRow",
                 lines({"[vkladka]", "1", "A", "[pro]", "#P", "B", "[pro]", "#Q", "C", "[vkladka]",
                        "1", "D", "[pro]", "#R", "E"}) +
                     "1",
                 {"A", "     B", "     C", " ", "D", "     E"},
                 {{1, {"4", "#toppage", "5", "#R", "2", "#Q"}}},
                 1,
                 ""},
        LoadCase{"CountWithLeadingSpaces",
                 lines({"[vkladka]", "1", "A"}) + "   5",
                 {"A"},
                 {{1, {"0", "#toppage"}}},
                 5,
                 ""},
        LoadCase{"CountLineEndsWithLineFeed",
                 lines({"[vkladka]", "1", "A", "1"}),
                 {"A"},
                 {{1, {"0", "#toppage"}}},
                 1,
                 ""},
        LoadCase{"EndMarkAtLineStartEndsText",
                 lines({"[vkladka]", "1", "A", "2"}) + "\x1A" + lines({"[vkladka]", "2", "B"}),
                 {"A"},
                 {{1, {"0", "#toppage"}}},
                 2,
                 ""},
        LoadCase{"LongTokenCutAt32",
                 lines({"[vkladka]", std::string(31, '0') + "4" + "99", "A"}) + "4",
                 {"A"},
                 {{4, {"0", "#toppage"}}},
                 4,
                 ""},
        // Failures, each leaving what the loader had reached.
        LoadCase{"ChapterNumberNotInteger",
                 lines({"[vkladka]", "1", "A", "[vkladka]", "2x rest", "B"}) + "2",
                 {" ", "A", " "},
                 {{1, {"0", "#toppage"}}},
                 1,
                 "Invalid numeric input"},
        LoadCase{"ChapterNumberMissingAtEnd",
                 lines({"[vkladka]", "1", "A", "[vkladka]"}),
                 {" ", "A", " "},
                 {{1, {"0", "#toppage"}}},
                 1,
                 "Invalid numeric input"},
        LoadCase{
            "NoEntries", lines({"just", "text"}) + "3", {}, {}, 0, "List index out of bounds (0)"},
        LoadCase{"EmptyText", "", {}, {}, 0, "List index out of bounds (0)"},
        LoadCase{"EndsWithTitle",
                 lines({"[vkladka]", "4", "A", "[pro]", "#P"}) + "B",
                 {"A", "     B"},
                 {{4, {"0", "#toppage", "1", "#P"}}},
                 4,
                 "'B' is not a valid integer value"},
        LoadCase{"EndsWithBlankLine",
                 lines({"[vkladka]", "2", "A", "2", ""}),
                 {"A"},
                 {{2, {"0", "#toppage"}}},
                 2,
                 "'' is not a valid integer value"},
        LoadCase{"CountWithTrailingBlank",
                 lines({"[vkladka]", "2", "A"}) + "2 ",
                 {"A"},
                 {{2, {"0", "#toppage"}}},
                 2,
                 "'2 ' is not a valid integer value"},
        LoadCase{"CountWithLeadingTab",
                 lines({"[vkladka]", "2", "A"}) + "\t2",
                 {"A"},
                 {{2, {"0", "#toppage"}}},
                 2,
                 "'\t2' is not a valid integer value"},
        // Limits of the chapter table: refused, loading stops where it is.
        LoadCase{"ChapterNumberAboveRange",
                 lines({"[vkladka]", "1", "A", "[vkladka]", "", "51", "B"}) + "51",
                 {" ", "A", " "},
                 {{1, {"0", "#toppage"}}},
                 1,
                 "Chapter number 51 is out of range 1..50 (line 6)"},
        LoadCase{"ChapterNumberZero",
                 lines({"[vkladka]", "0", "A"}) + "1",
                 {" "},
                 {},
                 0,
                 "Chapter number 0 is out of range 1..50 (line 2)"},
        LoadCase{"ChapterNumberNegative",
                 lines({"[vkladka]", "-4", "A"}) + "1",
                 {" "},
                 {},
                 0,
                 "Chapter number -4 is out of range 1..50 (line 2)"},
        LoadCase{"ArticleBeforeFirstChapter",
                 lines({"title", "[pro]", "#P", "B"}) + "1",
                 {},
                 {},
                 0,
                 "Article before the first chapter (line 2)"}),
    [](const auto& info) { return info.param.name; });

TEST(ContentsLimits, TwentyFifthArticleIsRefused) {
    std::string text = lines({"[vkladka]", "9", "Big"});
    for (int article = 1; article <= 25; ++article) {
        text += lines({"[pro]", "#a" + std::to_string(article), "T"});
    }
    text += "9";
    book::Contents contents;
    try {
        book::parseContents(text, contents);
        FAIL() << "a 25th article must be refused";
    } catch (const book::BookLimitError& error) {
        EXPECT_STREQ(error.what(), "Chapter 9 has more than 24 articles (line 76)");
    }
    ASSERT_EQ(contents.items.size(), 26u); // separator, chapter, 24 articles
    EXPECT_EQ(contents.table.slot(9, 49), "24");
    EXPECT_EQ(contents.table.slot(9, 50), "#a24");
    EXPECT_EQ(contents.chapterCount, 9);
}

TEST(ContentsLimits, TwentyFourArticlesFillTheRow) {
    std::string text = lines({"[vkladka]", "50", "Last"});
    for (int article = 1; article <= 24; ++article) {
        text += lines({"[pro]", "#a" + std::to_string(article), "T"});
    }
    text += "50";
    book::Contents contents;
    book::parseContents(text, contents);
    EXPECT_EQ(contents.table.slot(50, 49), "24");
    EXPECT_EQ(contents.table.slot(50, 50), "#a24");
}

class ArticleLookup : public ::testing::Test {
protected:
    void SetUp() override { book::parseContents(kWorkedExample, contents); }
    book::Contents contents;
};

TEST_F(ArticleLookup, FindsChapterAndAnchorOfEveryEntry) {
    const std::pair<int, std::pair<int, std::string>> table[] = {
        {0, {1, "#toppage"}}, {1, {1, "#P"}}, {2, {1, "#Q"}}, {4, {2, "#toppage"}}};
    for (const auto& [position, where] : table) {
        const auto found = book::findArticle(contents, position);
        ASSERT_TRUE(found) << position;
        EXPECT_EQ(found->chapter, where.first);
        EXPECT_EQ(found->anchor, where.second);
    }
    EXPECT_FALSE(book::findArticle(contents, 3)); // the separator
    EXPECT_FALSE(book::findArticle(contents, 5));
}

TEST_F(ArticleLookup, ScansOnlyUpToTheChapterCount) {
    contents.chapterCount = 1;
    EXPECT_FALSE(book::findArticle(contents, 4));
    contents.chapterCount = 0;
    EXPECT_FALSE(book::findArticle(contents, 0));
    contents.chapterCount = 1000; // a count above the table reads no further than row 50
    EXPECT_TRUE(book::findArticle(contents, 4));
}

TEST(ArticleLookupOrder, FirstMatchingRowWins) {
    // Chapter 3 stands first in the text but row 2 is scanned first.
    book::Contents contents;
    contents.table.setSlot(3, 1, "0");
    contents.table.setSlot(3, 2, "#three");
    contents.table.setSlot(2, 3, "0");
    contents.table.setSlot(2, 4, "#two");
    contents.chapterCount = 3;
    const auto found = book::findArticle(contents, 0);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->chapter, 2);
    EXPECT_EQ(found->anchor, "#two");
}

} // namespace
