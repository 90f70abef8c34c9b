// The book the reader ships with, as packed by the build.
#include "book/Book.h"
#include "book/Contents.h"
#include "book/Scrambling.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <regex>
#include <set>

namespace {

namespace fs = std::filesystem;

class BundledBook : public ::testing::Test {
protected:
    void SetUp() override {
        reader.fixFolders(std::string(VARNEL_SAMPLE_BOOK) + "/");
        book::parseContents(book::descramble(book::readWholeFile(reader.contentsFilePath())),
                            contents);
    }
    std::string page(int chapter) const {
        return book::descramble(book::readWholeFile(reader.chapterFilePath(chapter)));
    }
    std::vector<int> chapters() const {
        std::vector<int> numbers;
        for (int row = 1; row <= book::kChapterRows; ++row) {
            if (!contents.table.rowIsEmpty(row)) {
                numbers.push_back(row);
            }
        }
        return numbers;
    }

    book::Book reader;
    book::Contents contents;
};

TEST_F(BundledBook, EveryChapterListedHasArticlesAndTheCountNamesTheLast) {
    ASSERT_FALSE(chapters().empty());
    for (const int chapter : chapters()) {
        int articles = 0;
        for (int slot = 2; slot <= book::kSlotsPerRow; slot += 2) {
            articles += contents.table.slot(chapter, slot).empty() ? 0 : 1;
        }
        EXPECT_GE(articles, 1) << "chapter " << chapter;
        EXPECT_LE(articles, book::kMaxArticlesPerChapter) << "chapter " << chapter;
    }
    EXPECT_EQ(contents.chapterCount, chapters().back());
}

TEST_F(BundledBook, EveryPageDeclaresItsCodePageAndDefinesItsAnchors) {
    for (const int chapter : chapters()) {
        const std::string text = page(chapter);
        EXPECT_NE(text.find("charset=windows-1251"), std::string::npos) << chapter;
        for (int slot = 2; slot <= book::kSlotsPerRow; slot += 2) {
            const std::string& anchor = contents.table.slot(chapter, slot);
            if (anchor.empty()) {
                continue;
            }
            ASSERT_EQ(anchor.front(), '#');
            EXPECT_NE(text.find("name=\"" + anchor.substr(1) + "\""), std::string::npos)
                << "chapter " << chapter << " lacks " << anchor;
        }
    }
}

// Each page carries its style itself, so that an article saved on its own keeps its look;
// the copies must not drift apart.
TEST_F(BundledBook, EveryPageCarriesTheSameStyle) {
    const auto styleOf = [](const std::string& text) {
        const size_t start = text.find("<style>");
        const size_t end = text.find("</style>");
        return start == std::string::npos || end == std::string::npos
                   ? std::string()
                   : text.substr(start, end - start);
    };
    const std::string first = styleOf(page(chapters().front()));
    ASSERT_FALSE(first.empty());
    for (const int chapter : chapters()) {
        EXPECT_EQ(styleOf(page(chapter)), first) << "chapter " << chapter;
    }
}

TEST_F(BundledBook, EveryChapterShowsAPictureThatIsShipped) {
    const std::regex picture("<img[^>]*src=\"([^\"]+)\"");
    for (const int chapter : chapters()) {
        const std::string text = page(chapter);
        int pictures = 0;
        for (std::sregex_iterator it(text.begin(), text.end(), picture), end; it != end; ++it) {
            ++pictures;
            EXPECT_TRUE(fs::exists(fs::path(reader.bookFolder()) / (*it)[1].str()))
                << (*it)[1].str();
        }
        EXPECT_GE(pictures, 1) << "chapter " << chapter;
    }
}

TEST_F(BundledBook, WritersNotesStayOutOfTheBook) {
    for (const auto& entry : fs::directory_iterator(reader.bookFolder())) {
        EXPECT_NE(entry.path().extension(), ".md") << entry.path();
    }
}

} // namespace
