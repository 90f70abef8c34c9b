#include "BookChecker.h"
#include "BookPacker.h"
#include "TocJson.h"

#include "TempFolder.h"

#include <array>
#include <cstdio>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

struct ToolRun {
    int exitCode;
    std::string output;
};

ToolRun runTool(const std::string& arguments) {
    const std::string command = std::string(VARNEL_BOOK_TOOL) + " " + arguments + " 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    std::string output;
    std::array<char, 4096> block{};
    size_t got = 0;
    while ((got = std::fread(block.data(), 1, block.size(), pipe)) > 0) {
        output.append(block.data(), got);
    }
    const int status = ::pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

// Readable sources of a two-chapter book in UTF-8.
void writeSources(const TempFolder& source) {
    source.write("contents.txt", "[vkladka]\n1\nСортировка\n[pro]\n#bubble\nПузырёк\n"
                                 "[vkladka]\n2\nПоиск\n2");
    source.write("1.htm", "<a name=\"toppage\"></a><p>Пузырёк</p><a name=\"bubble\"></a>\n");
    source.write("2.htm", "<a id='toppage'></a>Поиск «двоичный» — быстро\n");
    source.write("tree.png", std::string("\x89PNG\r\n\x1a\n\0\xff", 10));
    source.write("STYLE.md", "# How the articles are written\n");
}

TEST(BookPack, RoundTripKeepsSourcesAndAssets) {
    TempFolder source, packed, unpacked;
    writeSources(source);
    booktool::packBook(source.path().string(), packed.path().string());
    // Stored bytes are CP1251 scrambled: "С" is 0xD1 in CP1251.
    const std::string stored = readFileBytes(packed.path() / "data.nvb");
    EXPECT_EQ(static_cast<unsigned char>(stored[12]) ^ 0xA6, 0xD1);
    EXPECT_EQ(readFileBytes(packed.path() / "data" / "tree.png"),
              readFileBytes(source.path() / "tree.png"));
    EXPECT_FALSE(std::filesystem::exists(packed.path() / "data" / "STYLE.md"));

    booktool::unpackBook(packed.path().string(), unpacked.path().string());
    for (const char* name : {"contents.txt", "1.htm", "2.htm", "tree.png"}) {
        EXPECT_EQ(readFileBytes(unpacked.path() / name), readFileBytes(source.path() / name))
            << name;
    }
}

TEST(BookPack, RefusesCharactersOutsideTheCodePageNamingFileAndLine) {
    TempFolder source, packed;
    writeSources(source);
    source.write("2.htm", "line one\nx ≤ y\n");
    try {
        booktool::packBook(source.path().string(), packed.path().string());
        FAIL();
    } catch (const booktool::PackError& error) {
        EXPECT_THAT(error.what(), HasSubstr("2.htm:2:"));
    }
}

// A page whose number no chapter can have is refused, not stored under another number.
TEST(BookPack, RefusesChapterNumberTooLargeNamingFile) {
    TempFolder source, packed;
    writeSources(source);
    source.write("99999999999.htm", "<p>far</p>");
    try {
        booktool::packBook(source.path().string(), packed.path().string());
        FAIL();
    } catch (const booktool::PackError& error) {
        EXPECT_THAT(error.what(), HasSubstr("99999999999.htm: the chapter number is too large"));
    }
}

TEST(BookPack, LetterStoredAsEndMarkBecomesReferenceInPagesOnly) {
    TempFolder source, packed, unpacked;
    writeSources(source);
    source.write("1.htm", "<p>ј</p>");
    booktool::packBook(source.path().string(), packed.path().string());
    booktool::unpackBook(packed.path().string(), unpacked.path().string());
    EXPECT_EQ(readFileBytes(unpacked.path() / "1.htm"), "<p>&#1112;</p>");

    source.write("contents.txt", "[vkladka]\n1\nј\n1");
    try {
        booktool::packBook(source.path().string(), packed.path().string());
        FAIL();
    } catch (const booktool::PackError& error) {
        EXPECT_THAT(error.what(), HasSubstr("contents.txt:3:"));
    }
}

TEST(BookToc, JsonShowsItemsRowsCountAndError) {
    TempFolder source, packed;
    writeSources(source);
    booktool::packBook(source.path().string(), packed.path().string());
    const auto run = runTool("toc --json " + (packed.path() / "data.nvb").string());
    EXPECT_EQ(run.exitCode, 0);
    std::string emptySlots;
    for (int i = 0; i < 46; ++i) {
        emptySlots += ", \"\"";
    }
    EXPECT_EQ(run.output, "{\"items\": [\"Сортировка\", \"     Пузырёк\", \" \", \"Поиск\"], "
                          "\"rows\": {\"1\": [\"0\", \"#toppage\", \"1\", \"#bubble\"" +
                              emptySlots + "], \"2\": [\"3\", \"#toppage\", \"\", \"\"" +
                              emptySlots + "]}, \"count\": 2, \"error\": null}\n");
}

TEST(BookToc, JsonCarriesTheErrorAndExitsOne) {
    TempFolder folder;
    folder.write("data.nvb", scrambled("[vkladka]\n1\n\"Q\"\\\t"));
    std::string json;
    EXPECT_FALSE(booktool::contentsAsJson((folder.path() / "data.nvb").string(), json));
    EXPECT_THAT(json, HasSubstr("\"items\": [\"\\\"Q\\\"\\\\\\t\"]"));
    EXPECT_THAT(json, HasSubstr("\"count\": 1, \"error\": \"'\\\"Q\\\"\\\\\\t' is not a valid "
                                "integer value\"}"));

    const auto missing = runTool("toc --json " + (folder.path() / "none.nvb").string());
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.output,
              "{\"items\": [], \"rows\": {}, \"count\": 0, \"error\": \"File not found\"}\n");
}

TEST(BookCheck, ReportsEveryProblemWithFileAndLine) {
    TempFolder folder;
    folder.write("data.nvb", scrambled("[vkladka]\n1\nOne\n[pro]\n#there\nA\n[pro]\n#gone\nB\n"
                                       "[pro]\nnohash\nC\n[vkladka]\n3\nThree\n2"));
    folder.write("data/1.nvb", scrambled("<a name=toppage></a><a name=\"there\"></a>"));
    const auto findings = booktool::checkBook(folder.path().string());
    EXPECT_THAT(findings,
                ElementsAre(HasSubstr("data.nvb:8: anchor \"#gone\" is not defined in data/1.nvb"),
                            HasSubstr("data.nvb:11: anchor line \"nohash\" does not start"),
                            HasSubstr("data.nvb:14: chapter 3: page data/3.nvb cannot be read"),
                            HasSubstr("count line (2) is below the highest chapter number (3)")));
    EXPECT_EQ(runTool("check " + folder.path().string()).exitCode, 1);
}

struct AnchorCase {
    std::string anchorLine; // in the book's code page
    std::string head;       // of the chapter page, which defines the anchor's name
    const char* finding;    // empty: none
};

std::ostream& operator<<(std::ostream& out, const AnchorCase& c) {
    return out << c.anchorLine << " / " << c.head;
}

class BookCheckAnchor : public ::testing::TestWithParam<AnchorCase> {};

TEST_P(BookCheckAnchor, ReportsWhatTheReaderCannotCarryToThePage) {
    TempFolder folder;
    const std::string& line = GetParam().anchorLine;
    folder.write("data.nvb", scrambled("[vkladka]\n1\nOne\n[pro]\n" + line + "\nA\n1"));
    folder.write("data/1.nvb", scrambled(GetParam().head + "<a name=toppage></a><a name=\"" +
                                         line.substr(1) + "\"></a>"));
    const auto findings = booktool::checkBook(folder.path().string());
    if (*GetParam().finding == '\0') {
        EXPECT_THAT(findings, ElementsAre());
    } else {
        EXPECT_THAT(findings, ElementsAre(HasSubstr(GetParam().finding)));
    }
}

const std::string kDeclared =
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\">";

INSTANTIATE_TEST_SUITE_P(
    Table, BookCheckAnchor,
    ::testing::Values(
        AnchorCase{"#graphs/dfs", "", ""}, AnchorCase{"#a?b=%41 #c/d", "", ""},
        AnchorCase{"#\xF1\xEE\xF0\xF2", kDeclared, ""},
        AnchorCase{"#\xF1\xEE\xF0\xF2", "<META CHARSET = 'CP1251'>", ""},
        AnchorCase{"#\xF1\xEE\xF0\xF2", "",
                   "data.nvb:5: anchor \"#сорт\" holds letters outside ASCII, but data/1.nvb "
                   "declares no charset"},
        AnchorCase{"#\xF1\xEE\xF0\xF2", "<meta charset=utf-8>", "declares the charset utf-8"},
        AnchorCase{"#a:~:text=b", kDeclared,
                   "anchor \"#a:~:text=b\" holds \":~:\", where the web view cuts the anchor "
                   "off: it would land at \"#a\""},
        AnchorCase{std::string("#a\0b", 4), kDeclared,
                   "anchor \"#a\\0b\" holds a NUL byte, which no page address can carry"}));

TEST(BookCheck, ReportsLoadErrors) {
    TempFolder folder;
    folder.write("data.nvb", scrambled("[vkladka]\n77\nOne\n1"));
    EXPECT_THAT(booktool::checkBook(folder.path().string()),
                ElementsAre("data.nvb: Chapter number 77 is out of range 1..50 (line 2)"));
}

TEST(BookCheck, BundledBookIsSound) {
    const auto run = runTool(std::string("check ") + VARNEL_SAMPLE_BOOK);
    EXPECT_EQ(run.exitCode, 0) << run.output;
}

TEST(BookTool, BadArgumentsGiveUsageAndExitTwo) {
    for (const char* arguments : {"", "toc FILE", "pack onlyone", "frobnicate x y", "check"}) {
        const auto run = runTool(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments;
        EXPECT_THAT(run.output, HasSubstr("usage:")) << arguments;
    }
}

} // namespace
