#include "book/Errors.h"

#include "TempFolder.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace {

TEST(InOutError, MessagesByCode) {
    const std::pair<int, const char*> table[] = {
        {2, "File not found"},
        {3, "Invalid filename"},
        {4, "Too many open files"},
        {5, "File access denied"},
        {100, "Read beyond end of file"},
        {101, "Disk full"},
        {106, "Invalid numeric input"},
        {32, "I/O error 32"},
        {21, "I/O error 21"},
    };
    for (const auto& [code, message] : table) {
        EXPECT_EQ(book::InOutError(code).what(), std::string(message)) << code;
    }
}

TEST(InOutError, ErrnoMapping) {
    TempFolder folder;
    const std::string inExistingFolder = folder.folder() + "missing.nvb";
    const std::string inMissingFolder = folder.folder() + "nowhere/missing.nvb";
    EXPECT_EQ(book::ioCodeForErrno(ENOENT, inExistingFolder), 2);
    EXPECT_EQ(book::ioCodeForErrno(ENOENT, inMissingFolder), 3);
    EXPECT_EQ(book::ioCodeForErrno(ENOTDIR, inExistingFolder), 3);
    EXPECT_EQ(book::ioCodeForErrno(EMFILE, inExistingFolder), 4);
    EXPECT_EQ(book::ioCodeForErrno(EACCES, inExistingFolder), 5);
    EXPECT_EQ(book::ioCodeForErrno(EROFS, inExistingFolder), 5);
    EXPECT_EQ(book::ioCodeForErrno(ENOSPC, inExistingFolder), 101);
    EXPECT_EQ(book::ioCodeForErrno(EISDIR, inExistingFolder), 5);
    EXPECT_EQ(book::ioCodeForErrno(EINVAL, inExistingFolder), 5);
    EXPECT_EQ(book::ioCodeForErrno(EIO, inExistingFolder), EIO);
}

TEST(DisplayText, FullStopOnlyAfterCharactersAboveFullStop) {
    EXPECT_EQ(book::displayText("File not found"), "File not found.");
    EXPECT_EQ(book::displayText("List index out of bounds (-1)"), "List index out of bounds (-1)");
    EXPECT_EQ(book::displayText("'x' is not a valid integer value"),
              "'x' is not a valid integer value.");
    EXPECT_EQ(book::displayText("I/O error 32"), "I/O error 32.");
    EXPECT_EQ(book::displayText("Already ends."), "Already ends.");
    EXPECT_EQ(book::displayText("Wow!"), "Wow!");
    EXPECT_EQ(book::displayText("Slash/"), "Slash/.");
    EXPECT_EQ(book::displayText(""), "");
    // A Cyrillic last letter (CP1251, above 0x7F) gains the full stop too.
    EXPECT_EQ(book::displayText("'\xC0' is not a valid integer value"),
              "'\xC0' is not a valid integer value.");
    EXPECT_EQ(book::displayText("'\xC0'"), "'\xC0'");
    EXPECT_EQ(book::displayText("\xC0"), "\xC0.");
}

} // namespace
