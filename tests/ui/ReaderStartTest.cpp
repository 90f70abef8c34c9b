// Before its window is made, the reader makes sure it has found its folder, can name it to
// the web view, and has the book to itself; otherwise it says why and leaves the book alone.
#include "UiTestSupport.h"

#include "ui/ReaderStart.h"

#include "book/Errors.h"
#include "book/SingleReaderLock.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

struct StartCase {
    const char* name;
    std::string folderName; // the program folder, below the test folder
    bool folderFound;
    bool anotherReaderOpen;
    QString message; // shown, %1 standing for the program folder; empty when the reader starts
};

std::ostream& operator<<(std::ostream& out, const StartCase& c) {
    return out << c.name;
}

class ReaderStartChecks : public ::testing::TestWithParam<StartCase> {};

TEST_P(ReaderStartChecks, StartOrSayWhyAndLeaveTheBookAlone) {
    const StartCase& c = GetParam();
    TempFolder root;
    const std::string programFolder = root.folder() + c.folderName + "/";
    const std::string page = "the page another reader shows";
    std::filesystem::create_directories(programFolder + "data");
    root.write(c.folderName + "/data/vaxilog.htm", page);
    // A page half written by a reader that was killed, and a file that only looks like one.
    root.write(c.folderName + "/data/.vaxilog.htm.Ab3xZ9", "half a page");
    root.write(c.folderName + "/data/.vaxilog.htm.notes", "the user's own");
    std::unique_ptr<book::SingleReaderLock> first;
    if (c.anotherReaderOpen) {
        first = std::make_unique<book::SingleReaderLock>(programFolder + "data/");
    }
    auto find = [&]() -> std::string {
        if (!c.folderFound) {
            throw book::ProgramFolderError("The reader cannot find its own folder, where its book "
                                           "lies: the running program's path, /proc/self/exe, "
                                           "cannot be read: No such file or directory");
        }
        return programFolder;
    };

    RecordingDialogs dialogs;
    const std::optional<ReaderStart> start = prepareReaderStart(dialogs, find);

    if (c.message.isEmpty()) {
        ASSERT_TRUE(start.has_value());
        EXPECT_EQ(start->programFolder, programFolder);
        EXPECT_TRUE(start->bookLock->locked());
        EXPECT_TRUE(dialogs.messages.empty());
    } else {
        EXPECT_FALSE(start.has_value());
        ASSERT_EQ(dialogs.messages.size(), 1u);
        QString expected = c.message;
        expected.replace("%1", QString::fromUtf8(programFolder.c_str())); // as shown, lossily
        EXPECT_EQ(dialogs.messages[0].text.toStdString(), expected.toStdString());
        EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Critical);
    }
    EXPECT_EQ(readFileBytes(programFolder + "data/vaxilog.htm"), page);
    EXPECT_EQ(std::filesystem::exists(programFolder + "data/.vaxilog.htm.Ab3xZ9"),
              !start.has_value())
        << "only a reader that has the book to itself clears what a killed one left";
    EXPECT_TRUE(std::filesystem::exists(programFolder + "data/.vaxilog.htm.notes"));
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReaderStartChecks,
    ::testing::Values(
        StartCase{"FolderFound", "reader", true, false, {}},
        StartCase{"FolderNamedInUtf8", "читалка", true, false, {}},
        StartCase{"FolderNotFound", "reader", false, false,
                  "The reader cannot find its own folder, where its book lies: the running "
                  "program's path, /proc/self/exe, cannot be read: No such file or directory."},
        StartCase{"FolderNameNotUtf8", "caf\xE9", true, false,
                  "The reader cannot show its pages from the folder \"%1\": the folder's name "
                  "is not valid UTF-8. Rename the folder or move the reader to another one."},
        StartCase{"BookOpenInAnotherReader", "reader", true, true,
                  "The book is already open in another window of the reader."}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
