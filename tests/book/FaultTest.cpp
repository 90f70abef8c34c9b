// The book on failing disks and in bad shape: exact messages, and nothing lost.
#include "book/Book.h"
#include "book/Contents.h"
#include "book/Errors.h"
#include "book/Scrambling.h"

#include "TempFolder.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <random>
#include <sys/resource.h>
#include <unistd.h>

namespace {

std::string messageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const book::BookError& error) {
        return error.what();
    }
    return "";
}

class BookFaults : public ::testing::Test {
protected:
    void SetUp() override {
        folder.write("data.nvb", scrambled("[vkladka]\n1\nOne\n1"));
        folder.write("data/1.nvb", scrambled("chapter"));
        reader.fixFolders(folder.folder());
    }
    TempFolder folder;
    book::Book reader;
};

TEST_F(BookFaults, ReadOnlyBookFolderRefusesTheWorkingPage) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root writes into read-only folders; run as another user to check this";
    }
    std::filesystem::permissions(folder.path() / "data", std::filesystem::perms::owner_read |
                                                             std::filesystem::perms::owner_exec);
    EXPECT_EQ(messageOf([&] { reader.LoadContents(); }), "File access denied");
    EXPECT_TRUE(reader.contents().items.empty());
}

TEST_F(BookFaults, DiskFullWhileWritingTheWorkingPage) {
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full on this machine";
    }
    reader.LoadContents();
    std::filesystem::remove(reader.workingPagePath());
    std::filesystem::create_symlink("/dev/full", reader.workingPagePath());
    EXPECT_EQ(messageOf([&] { reader.OpenArticle(0); }), "Disk full");
}

TEST_F(BookFaults, ChapterFileThatIsAFolder) {
    reader.LoadContents();
    std::filesystem::remove(folder.path() / "data" / "1.nvb");
    std::filesystem::create_directory(folder.path() / "data" / "1.nvb");
    const std::string before = readFileBytes(reader.workingPagePath());
    EXPECT_EQ(messageOf([&] { reader.OpenArticle(0); }), "File access denied");
    EXPECT_EQ(readFileBytes(reader.workingPagePath()), before);
}

TEST(ContentsFaults, MillionLinesLoadInFull) {
    std::string text;
    int chapters = 0;
    for (int line = 0; line < 1000000;) {
        if (line % 40000 == 0 && chapters < 25) {
            text += "[vkladka]\n" + std::to_string(++chapters) + "\nChapter\n";
            line += 3;
        } else {
            text += "stray line of the table of contents " + std::to_string(line) + "\n";
            ++line;
        }
    }
    text += "25";
    book::Contents contents;
    book::parseContents(text, contents);
    EXPECT_EQ(contents.chapterCount, 25);
    EXPECT_EQ(contents.items.size(), 49u);
    EXPECT_EQ(contents.table.slot(25, 1), "48");
}

TEST(ContentsFaults, RandomBytesNeverBreakTheLoader) {
    std::mt19937 random(20261207);
    for (int round = 0; round < 200; ++round) {
        std::string text(1 + random() % 4096, '\0');
        for (char& c : text) {
            c = static_cast<char>(random());
        }
        if (round % 2 == 0) { // give the markers a chance
            text.insert(random() % text.size(),
                        "\n[vkladka]\n" + std::to_string(random() % 60) + "\n");
            text.insert(random() % text.size(), "\n[pro]\n");
        }
        book::Contents contents;
        try {
            book::parseContents(text, contents);
        } catch (const book::BookError&) {
        }
        // Wherever loading stopped, the positions the table holds are list positions.
        for (int row = 1; row <= book::kChapterRows; ++row) {
            for (int slot = 1; slot < book::kSlotsPerRow; slot += 2) {
                const std::string& position = contents.table.slot(row, slot);
                if (!position.empty()) {
                    EXPECT_GE(std::stoi(position), 0);
                    EXPECT_LT(std::stoi(position), static_cast<int>(contents.items.size()) + 1);
                }
            }
        }
    }
}

long peakResidentKilobytes() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

TEST(DecoderFaults, HugeChapterIsDecodedWithoutHoldingItInMemory) {
    TempFolder folder;
    const auto source = folder.path() / "1.nvb";
    {
        const std::string block = scrambled(std::string(1 << 20, 'x') + "\r\n");
        std::ofstream out(source, std::ios::binary);
        for (int i = 0; i < 200; ++i) {
            out << block;
        }
    }
    const long before = peakResidentKilobytes();
    book::decodeBookFile(source.string(), (folder.path() / "vaxilog.htm").string(), true);
    EXPECT_LT(peakResidentKilobytes() - before, 32 * 1024) << "the decoder held the chapter";
    EXPECT_EQ(std::filesystem::file_size(folder.path() / "vaxilog.htm"),
              200u * ((1 << 20) + 2) + 8 + 9);
}

} // namespace
