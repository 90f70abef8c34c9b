// The book on failing disks and in bad shape: exact messages, and nothing lost.
#include "book/Book.h"
#include "book/Contents.h"
#include "book/Errors.h"
#include "book/Scrambling.h"
#include "fileio/FileDescriptor.h"

#include "TempFolder.h"

#include <algorithm>
#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <pthread.h>
#include <random>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
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

TEST_F(BookFaults, ChapterFileThatIsAFolder) {
    reader.LoadContents();
    std::filesystem::remove(folder.path() / "data" / "1.nvb");
    std::filesystem::create_directory(folder.path() / "data" / "1.nvb");
    const std::string before = readFileBytes(reader.workingPagePath());
    EXPECT_EQ(messageOf([&] { reader.OpenArticle(0); }), "File access denied");
    EXPECT_EQ(readFileBytes(reader.workingPagePath()), before);
}

// Files no book should hold, or that someone else put in the book folder. None may make the
// reader write through a link, wait on a pipe or a device, or lose the page it showed last.
struct HostileBook {
    const char* name;
    enum Moment { BeforeLoading, BeforeOpening } moment;
    std::function<void(const std::filesystem::path& program)> prepare;
    std::string expectedMessage; // empty: the step succeeds
};

std::ostream& operator<<(std::ostream& out, const HostileBook& hostile) {
    return out << hostile.name;
}

// While it lives, writing a file beyond `bytes` fails. The reader's own start-up makes that
// an EFBIG instead of a SIGXFSZ that would end us.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        fileio::reportOversizedWritesAsErrors();
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &saved_); }

private:
    rlimit saved_{};
};

std::optional<FileSizeLimit> fileSizeLimit; // for the step under test only

const std::string kPrivateText = "somebody's private notes";
const std::string kContentsText = "[vkladka]\n1\nOne\n1";

void linkWorkingPageTo(const std::filesystem::path& program, const std::filesystem::path& to) {
    std::filesystem::create_symlink(to, program / "data" / "vaxilog.htm");
}

void makeFifo(const std::filesystem::path& file) {
    std::filesystem::remove(file);
    ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
}

void replaceWithLink(const std::filesystem::path& file, const std::filesystem::path& to) {
    std::filesystem::remove(file);
    std::filesystem::create_symlink(to, file);
}

class HostileBooks : public ::testing::TestWithParam<HostileBook> {
protected:
    void SetUp() override {
        ::alarm(30); // a reader that waits on a pipe fails here instead of hanging the run
        folder.write("data.nvb", scrambled(kContentsText));
        folder.write("data/1.nvb", scrambled(std::string(300000, 'c')));
        folder.write("private.txt", kPrivateText);
        reader.fixFolders(folder.folder());
    }
    void TearDown() override {
        fileSizeLimit.reset();
        ::alarm(0);
    }

    std::vector<std::string> leftOvers() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path() / "data")) {
            const std::string name = entry.path().filename().string();
            if (name != "1.nvb" && name != "vaxilog.htm") {
                names.push_back(name);
            }
        }
        return names;
    }

    TempFolder folder;
    book::Book reader;
};

TEST_P(HostileBooks, NothingOutsideIsWrittenAndThePageShownLastStays) {
    const HostileBook& hostile = GetParam();
    const auto workingPage = folder.path() / "data" / "vaxilog.htm";
    if (hostile.moment == HostileBook::BeforeOpening) {
        reader.LoadContents();
    }
    hostile.prepare(folder.path());
    const std::string message = messageOf([&] {
        if (hostile.moment == HostileBook::BeforeLoading) {
            reader.LoadContents();
        } else {
            reader.OpenArticle(0);
        }
    });
    fileSizeLimit.reset();

    EXPECT_EQ(message, hostile.expectedMessage);
    EXPECT_EQ(readFileBytes(folder.path() / "private.txt"), kPrivateText);
    EXPECT_EQ(leftOvers(), std::vector<std::string>());
    if (hostile.moment == HostileBook::BeforeLoading && !message.empty()) {
        EXPECT_FALSE(
            std::filesystem::is_regular_file(std::filesystem::symlink_status(workingPage)));
        return;
    }
    ASSERT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(workingPage)));
    const bool opened = hostile.moment == HostileBook::BeforeOpening && message.empty();
    EXPECT_EQ(readFileBytes(workingPage),
              opened ? "<html>\r\n" + std::string(300000, 'c') + "</html>\r\n" : kContentsText);
}

INSTANTIATE_TEST_SUITE_P(
    Files, HostileBooks,
    ::testing::Values(
        HostileBook{
            "WorkingPageLinkedToAPrivateFile", HostileBook::BeforeLoading,
            [](const auto& program) { linkWorkingPageTo(program, program / "private.txt"); }, ""},
        HostileBook{"WorkingPageLinkedToTheContentsFile", HostileBook::BeforeLoading,
                    [](const auto& program) { linkWorkingPageTo(program, "../data.nvb"); }, ""},
        HostileBook{"WorkingPageLinkedBeforeOpening", HostileBook::BeforeOpening,
                    [](const auto& program) {
                        replaceWithLink(program / "data" / "vaxilog.htm", program / "private.txt");
                    },
                    ""},
        HostileBook{"WorkingPageLinkedNowhere", HostileBook::BeforeLoading,
                    [](const auto& program) { linkWorkingPageTo(program, program / "gone"); }, ""},
        HostileBook{"WorkingPageIsAPipe", HostileBook::BeforeLoading,
                    [](const auto& program) { makeFifo(program / "data" / "vaxilog.htm"); }, ""},
        HostileBook{"WorkingPageLinkedToADevice", HostileBook::BeforeLoading,
                    [](const auto& program) { linkWorkingPageTo(program, "/dev/null"); }, ""},
        HostileBook{"ContentsFileIsAPipe", HostileBook::BeforeLoading,
                    [](const auto& program) { makeFifo(program / "data.nvb"); },
                    "File access denied"},
        HostileBook{"ContentsFileLinkedToADevice", HostileBook::BeforeLoading,
                    [](const auto& program) { replaceWithLink(program / "data.nvb", "/dev/zero"); },
                    "File access denied"},
        HostileBook{"ChapterFileIsAPipe", HostileBook::BeforeOpening,
                    [](const auto& program) { makeFifo(program / "data" / "1.nvb"); },
                    "File access denied"},
        HostileBook{
            "ChapterFileLinkedToEndlessZeros", HostileBook::BeforeOpening,
            [](const auto& program) { replaceWithLink(program / "data" / "1.nvb", "/dev/zero"); },
            "File access denied"},
        HostileBook{"ChapterFileLinkedToAFolder", HostileBook::BeforeOpening,
                    [](const auto& program) { replaceWithLink(program / "data" / "1.nvb", "/"); },
                    "File access denied"},
        HostileBook{"ChapterFileLinkedToAPrivateFile", HostileBook::BeforeOpening,
                    [](const auto& program) {
                        // A link to a regular file is a chapter like any other (books may be
                        // shipped with links); only its bytes are read.
                        std::filesystem::rename(program / "data" / "1.nvb", program / "1.nvb");
                        replaceWithLink(program / "data" / "1.nvb", program / "1.nvb");
                    },
                    ""},
        // Files that never end or that no book comes near: refused before the disk fills.
        // The endless one reports a size of 0 and refuses the one byte read past it.
        HostileBook{"ContentsFileLinkedToAnEndlessRegularFile", HostileBook::BeforeLoading,
                    [](const auto& program) {
                        replaceWithLink(program / "data.nvb", "/proc/self/pagemap");
                    },
                    "File access denied"},
        HostileBook{"ChapterFileLinkedToAnEndlessRegularFile", HostileBook::BeforeOpening,
                    [](const auto& program) {
                        replaceWithLink(program / "data" / "1.nvb", "/proc/self/pagemap");
                    },
                    "File access denied"},
        HostileBook{"ChapterFileLargerThanAnyBook", HostileBook::BeforeOpening,
                    [](const auto& program) {
                        std::filesystem::resize_file(program / "data" / "1.nvb",
                                                     book::kLargestBookFile + 1);
                    },
                    "I/O error 27"},
        HostileBook{"ContentsFileLargerThanAnyBook", HostileBook::BeforeLoading,
                    [](const auto& program) {
                        std::filesystem::resize_file(program / "data.nvb",
                                                     book::kLargestBookFile + 1);
                    },
                    "I/O error 27"},
        // A full disk, or a file size limit, half-way through the chapter.
        HostileBook{"WorkingPageCannotGrow", HostileBook::BeforeOpening,
                    [](const auto&) { fileSizeLimit.emplace(4096); }, "I/O error 27"}),
    [](const auto& info) { return std::string(info.param.name); });

// A book on a small file system of its own that fills up while a chapter is written.
class FullDisk : public ::testing::Test {
protected:
    void SetUp() override {
        if (::geteuid() != 0) {
            GTEST_SKIP() << "mounting a small file system takes root";
        }
        disk_ = folder.path() / "disk";
        std::filesystem::create_directory(disk_);
        if (::mount("tmpfs", disk_.c_str(), "tmpfs", 0, "size=512k") != 0) {
            GTEST_SKIP() << "no tmpfs could be mounted here";
        }
        mounted_ = true;
    }
    void TearDown() override {
        if (mounted_) {
            ::umount2(disk_.c_str(), MNT_DETACH);
        }
    }

    TempFolder folder;
    std::filesystem::path disk_;
    bool mounted_ = false;
};

TEST_F(FullDisk, IsReportedAndThePageShownLastStays) {
    // The stored chapter and the page shown fit; a second copy of the chapter does not.
    folder.write("disk/data.nvb", scrambled(kContentsText));
    folder.write("disk/data/1.nvb", scrambled(std::string(300000, 'c')));
    book::Book reader;
    reader.fixFolders(disk_.string() + "/");
    reader.LoadContents();

    EXPECT_EQ(messageOf([&] { reader.OpenArticle(0); }), "Disk full");
    EXPECT_EQ(readFileBytes(reader.workingPagePath()), kContentsText);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(disk_ / "data")) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"1.nvb", "vaxilog.htm"})) << "nothing half written";
}

TEST_F(BookFaults, ClosingRemovesALinkAndNotWhatItNames) {
    folder.write("private.txt", kPrivateText);
    replaceWithLink(reader.workingPagePath(), folder.path() / "private.txt");
    reader.deleteWorkingPage();
    EXPECT_FALSE(
        std::filesystem::exists(std::filesystem::symlink_status(reader.workingPagePath())));
    EXPECT_EQ(readFileBytes(folder.path() / "private.txt"), kPrivateText);
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

// A write cut short by a signal returns what it wrote so far; the rest must follow from
// exactly there, whichever piece the cut fell in. A pipe that is read slowly while the writer
// is signalled again and again cuts its writes at many places.
TEST(WriteFaults, CutWritesGoOnWhereTheyStopped) {
    struct sigaction wake {
    }, saved{};
    wake.sa_handler = [](int) {};
    ::sigemptyset(&wake.sa_mask);
    wake.sa_flags = 0; // no SA_RESTART: a blocked write returns with what it wrote
    ASSERT_EQ(::sigaction(SIGUSR1, &wake, &saved), 0);
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);

    std::string header = "<html>\r\n", trailer = "</html>\r\n", body;
    for (int i = 0; body.size() < 300000; ++i) {
        body += std::to_string(i) + ' ';
    }
    std::atomic<bool> written{false}, done{false};
    std::thread writer([&] {
        iovec pieces[] = {{header.data(), header.size()},
                          {body.data(), body.size()},
                          {trailer.data(), trailer.size()}};
        written = fileio::writeAllPieces(ends[1], pieces, 3);
        ::close(ends[1]);
        done = true;
    });
    std::string received;
    char chunk[1000];
    for (;;) {
        if (!done) {
            ::pthread_kill(writer.native_handle(), SIGUSR1);
        }
        const ssize_t got = ::read(ends[0], chunk, sizeof chunk);
        if (got <= 0) {
            break;
        }
        received.append(chunk, static_cast<size_t>(got));
    }
    writer.join();
    ::close(ends[0]);
    ::sigaction(SIGUSR1, &saved, nullptr);
    EXPECT_TRUE(written);
    EXPECT_TRUE(received == header + body + trailer)
        << received.size() << " bytes received of " << header.size() + body.size() + trailer.size();
}

} // namespace
