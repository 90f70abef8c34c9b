#include "book/Book.h"
#include "book/Errors.h"
#include "book/Folders.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

TEST(Folders, ProgramAndBookFolderFromProgramPath) {
    EXPECT_EQ(book::programFolderOf("/opt/books/varnel"), "/opt/books/");
    EXPECT_EQ(book::programFolderOf("/varnel"), "/");
    EXPECT_EQ(book::bookFolderOf("/opt/books/"), "/opt/books/data/");
    const std::string running = book::GetProgramFolder();
    ASSERT_FALSE(running.empty());
    EXPECT_EQ(running.back(), '/');
}

TEST(Folders, ProgramFolderThatCannotBeFoundIsRefused) {
    TempFolder folder;
    const std::filesystem::path link = folder.path() / "exe";
    const std::string longFolder = "/" + std::string(3000, 'f') + "/" + std::string(900, 'g') + "/";
    const std::pair<std::string, std::string> table[] = {
        // link target, program folder ("" when it must be refused)
        {"/opt/books/varnel", "/opt/books/"},
        {"/opt/books/varnel (deleted)", "/opt/books/"},
        {longFolder + "varnel", longFolder},
        {"varnel", ""},
        {"books/varnel", ""},
        {"", ""}, // no link at all
    };
    for (const auto& [target, expected] : table) {
        std::filesystem::remove(link);
        if (!target.empty()) {
            std::filesystem::create_symlink(target, link);
        }
        try {
            EXPECT_EQ(book::programFolderFromLink(link.string()), expected) << target;
            EXPECT_FALSE(expected.empty()) << target;
        } catch (const book::ProgramFolderError& error) {
            EXPECT_TRUE(expected.empty()) << target;
            EXPECT_EQ(std::string(error.what())
                          .rfind("The reader cannot find its own folder, where its book lies: "
                                 "the running program's path, " +
                                     link.string() + ", ",
                                 0),
                      0u)
                << error.what();
        }
    }
}

TEST(Folders, BookPathsOfAProgramFolder) {
    book::Book reader;
    reader.fixFolders("/opt/books/");
    EXPECT_EQ(reader.contentsFilePath(), "/opt/books/data.nvb");
    EXPECT_EQ(reader.chapterFilePath(7), "/opt/books/data/7.nvb");
    EXPECT_EQ(reader.workingPagePath(), "/opt/books/data/vaxilog.htm");
}

// A small book on disk: program folder with data.nvb, chapters in data/.
class BookOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        folder.write("data.nvb", scrambled("[vkladka]\r\n1\r\nOne\r\n[pro]\r\n#p\r\nArticle\r\n"
                                           "[vkladka]\r\n2\r\nTwo\r\n2"));
        folder.write("data/1.nvb", scrambled("chapter one <a name=\"p\"></a>"));
        folder.write("data/2.nvb", scrambled("chapter two"));
        reader.fixFolders(folder.folder());
    }
    std::string workingPage() const { return readFileBytes(reader.workingPagePath()); }

    TempFolder folder;
    book::Book reader;
};

TEST_F(BookOnDisk, LoadLeavesPlainContentsInWorkingPage) {
    reader.LoadContents();
    EXPECT_EQ(reader.contents().items,
              (std::vector<std::string>{"One", "     Article", " ", "Two"}));
    EXPECT_EQ(reader.contents().chapterCount, 2);
    EXPECT_EQ(workingPage(), "[vkladka]\r\n1\r\nOne\r\n[pro]\r\n#p\r\nArticle\r\n"
                             "[vkladka]\r\n2\r\nTwo\r\n2");
}

TEST_F(BookOnDisk, OpeningEntriesWritesTheirChapterAndAnchor) {
    reader.LoadContents();
    reader.OpenArticle(1);
    EXPECT_EQ(reader.currentAnchor(), "#p");
    EXPECT_EQ(workingPage(), "<html>\r\nchapter one <a name=\"p\"></a></html>\r\n");

    reader.OpenArticle(3);
    EXPECT_EQ(reader.currentAnchor(), "#toppage");
    EXPECT_EQ(workingPage(), "<html>\r\nchapter two</html>\r\n");
}

TEST_F(BookOnDisk, UnmatchedEntryChangesNothing) {
    reader.LoadContents();
    reader.OpenArticle(0);
    reader.OpenArticle(2); // the separator
    EXPECT_EQ(reader.currentAnchor(), "#toppage");
    EXPECT_EQ(workingPage(), "<html>\r\nchapter one <a name=\"p\"></a></html>\r\n");
}

TEST_F(BookOnDisk, MissingChapterFileKeepsPageButTakesAnchor) {
    reader.LoadContents();
    reader.OpenArticle(0);
    std::filesystem::remove(folder.path() / "data" / "2.nvb");
    try {
        reader.OpenArticle(3);
        FAIL();
    } catch (const book::InOutError& error) {
        EXPECT_STREQ(error.what(), "File not found");
    }
    EXPECT_EQ(reader.currentAnchor(), "#toppage");
    EXPECT_EQ(workingPage(), "<html>\r\nchapter one <a name=\"p\"></a></html>\r\n");
}

TEST_F(BookOnDisk, MissingContentsFileWritesNoWorkingPage) {
    std::filesystem::remove(folder.path() / "data.nvb");
    try {
        reader.LoadContents();
        FAIL();
    } catch (const book::InOutError& error) {
        EXPECT_STREQ(error.what(), "File not found");
    }
    EXPECT_TRUE(reader.contents().items.empty());
    EXPECT_EQ(reader.contents().chapterCount, 0);
    EXPECT_FALSE(std::filesystem::exists(reader.workingPagePath()));
}

TEST_F(BookOnDisk, MissingBookFolderIsInvalidFilename) {
    std::filesystem::remove_all(folder.path() / "data");
    try {
        reader.LoadContents();
        FAIL();
    } catch (const book::InOutError& error) {
        EXPECT_STREQ(error.what(), "Invalid filename");
    }
    EXPECT_TRUE(reader.contents().items.empty());
}

TEST_F(BookOnDisk, WorkingPageThatIsAFolderCannotBeWritten) {
    std::filesystem::create_directory(reader.workingPagePath());
    EXPECT_THROW(reader.LoadContents(), book::InOutError);
}

TEST_F(BookOnDisk, DeletingWorkingPageIsSilentWhenMissing) {
    reader.LoadContents();
    reader.deleteWorkingPage();
    EXPECT_FALSE(std::filesystem::exists(reader.workingPagePath()));
    reader.deleteWorkingPage();
}

} // namespace
