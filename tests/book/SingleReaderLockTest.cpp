#include "book/SingleReaderLock.h"
#include "book/Errors.h"

#include "TempFolder.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string lockMessage(const std::string& bookFolder) {
    try {
        book::SingleReaderLock lock(bookFolder);
        return lock.locked() ? "locked" : "unlocked";
    } catch (const book::BookInUseError& error) {
        return error.what();
    } catch (const book::FolderError& error) {
        return error.what();
    }
}

const std::string kInUse = "The book is already open in another window of the reader";

TEST(SingleReaderLock, SecondReaderIsRefusedWhileTheFirstLives) {
    TempFolder folder;
    folder.write("data/1.nvb", "");
    const std::string bookFolder = folder.folder() + "data/";
    {
        const book::SingleReaderLock first(bookFolder);
        ASSERT_TRUE(first.locked());
        EXPECT_EQ(lockMessage(bookFolder), kInUse);
        EXPECT_EQ(lockMessage(folder.folder() + "data"), kInUse) << "the same folder spelt alike";
    }
    EXPECT_EQ(lockMessage(bookFolder), "locked");
    EXPECT_EQ(lockMessage(folder.folder() + "missing/"), "unlocked");
    EXPECT_EQ(lockMessage(folder.folder() + "data/1.nvb"), "unlocked") << "not a folder";
}

// A folder its user may write in but not read: a second reader left unlocked would write,
// and at its close delete, the first one's page.
TEST(SingleReaderLock, UnreadableFolderIsRefusedNotLeftUnlocked) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root reads any folder; run as another user to check this";
    }
    TempFolder folder;
    folder.write("data/1.nvb", "");
    const std::string bookFolder = folder.folder() + "data/";
    std::filesystem::permissions(bookFolder, std::filesystem::perms::owner_write |
                                                 std::filesystem::perms::owner_exec);
    EXPECT_EQ(lockMessage(bookFolder),
              "The reader cannot make sure that it is the only reader of its book: the folder " +
                  bookFolder + " cannot be locked: Permission denied");
    std::filesystem::permissions(bookFolder, std::filesystem::perms::owner_all);
}

TEST(SingleReaderLock, AReaderThatDiedLeavesNoLockBehind) {
    TempFolder folder;
    folder.write("data/1.nvb", "");
    const std::string bookFolder = folder.folder() + "data/";
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const book::SingleReaderLock lock(bookFolder);
        const char byte = lock.locked() ? 'y' : 'n';
        (void)!::write(ready[1], &byte, 1);
        ::pause();
        ::_exit(0);
    }
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    EXPECT_EQ(byte, 'y');
    EXPECT_EQ(lockMessage(bookFolder), kInUse);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    EXPECT_EQ(lockMessage(bookFolder), "locked");
}

} // namespace
