// Before its window is made, the reader makes sure it has found its folder, can name it to
// the web view, and has the book to itself; otherwise it says why and leaves the book alone.
#include "UiTestSupport.h"

#include "ui/ReaderStart.h"
#include "ui/TForm1.h"

#include "book/Errors.h"
#include "book/SingleReaderLock.h"

#include "ReadOnlyFolder.h"
#include "TempFolder.h"

#include <QPushButton>
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
    const std::optional<ReaderStart> start =
        prepareReaderStart(dialogs, find, book::UserFolders{root.folder() + "run", "", ""});

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
    if (start) {
        EXPECT_FALSE(std::filesystem::exists(programFolder + "data/vaxilog.htm"))
            << "a page left by a reader that lost its display is removed";
    } else {
        EXPECT_EQ(readFileBytes(programFolder + "data/vaxilog.htm"), page);
    }
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

// An installed book, which its readers may not write in: each user reads it from a working
// page of their own, and one user is still kept to one reader.
TEST(ReaderStart, ReadOnlyBookGivesEveryUserAWorkingPageOfTheirOwn) {
    TempFolder root;
    const std::string programFolder = root.folder() + "reader/";
    root.write("reader/data.nvb", scrambled("[vkladka]\r\n1\r\nOne\r\n[pro]\r\n#a\r\nArticle\r\n"
                                            "[vkladka]\r\n2\r\nTwo\r\n2"));
    root.write("reader/data/1.nvb", scrambled("<p>one</p><a name=a></a>"));
    const ReadOnlyFolder data(root.path() / "reader" / "data");
    if (!data.made()) {
        GTEST_SKIP() << "no folder could be made read-only here";
    }
    for (const char* run : {"ann", "bob"}) {
        std::filesystem::create_directory(root.path() / run);
        std::filesystem::permissions(root.path() / run, std::filesystem::perms::owner_all);
    }
    auto startAs = [&](const char* user, RecordingDialogs& dialogs) {
        return prepareReaderStart(
            dialogs, [&] { return programFolder; },
            book::UserFolders{root.folder() + user, "", ""});
    };
    RecordingDialogs annDialogs, bobDialogs, againDialogs;
    const std::optional<ReaderStart> ann = startAs("ann", annDialogs);
    const std::optional<ReaderStart> bob = startAs("bob", bobDialogs);
    ASSERT_TRUE(ann.has_value());
    ASSERT_TRUE(bob.has_value());
    EXPECT_EQ(ann->workingFolder.rfind(root.folder() + "ann/varnel/", 0), 0u);
    EXPECT_EQ(bob->workingFolder.rfind(root.folder() + "bob/varnel/", 0), 0u);
    EXPECT_FALSE(startAs("ann", againDialogs).has_value());
    ASSERT_EQ(againDialogs.messages.size(), 1u);
    EXPECT_EQ(againDialogs.messages[0].text,
              "The book is already open in another window of the reader.");

    ViewRecord annViews, bobViews;
    TForm1 annForm(annDialogs, recordingFactory(annViews), programFolder, ann->folder);
    TForm1 bobForm(bobDialogs, recordingFactory(bobViews), programFolder, bob->folder);
    const std::string annPage = ann->workingFolder + "vaxilog.htm";
    const std::string bobPage = bob->workingFolder + "vaxilog.htm";
    EXPECT_EQ(annForm.ListBox1->count(), 4);
    annForm.ListBox1->setCurrentRow(1);
    annForm.ListBox1DblClick();
    EXPECT_EQ(readFileBytes(annPage), "<html>\r\n<p>one</p><a name=a></a></html>\r\n");
    ASSERT_FALSE(annViews.loads.empty());
    EXPECT_EQ(annViews.loads.back(), pageUrl({QString::fromStdString(annPage), "#a"}));
    EXPECT_EQ(readFileBytes(bobPage), "[vkladka]\r\n1\r\nOne\r\n[pro]\r\n#a\r\nArticle\r\n"
                                      "[vkladka]\r\n2\r\nTwo\r\n2")
        << "the other user's page is their own";
    EXPECT_FALSE(std::filesystem::exists(root.path() / "reader" / "data" / "vaxilog.htm"));

    // Errors read as they do from the book folder, and keep the page shown.
    annForm.ListBox1->setCurrentRow(3);
    annForm.ListBox1DblClick();
    ASSERT_EQ(annDialogs.messages.size(), 1u);
    EXPECT_EQ(annDialogs.messages[0].text, "File not found.");
    EXPECT_EQ(readFileBytes(annPage), "<html>\r\n<p>one</p><a name=a></a></html>\r\n");

    // Saving copies the page shown; the warning names where the pictures are.
    annDialogs.saveAnswer = QString::fromStdString(root.folder() + "notes");
    QTest::mouseClick(annForm.Button3, Qt::LeftButton);
    ASSERT_EQ(annDialogs.messages.size(), 2u);
    EXPECT_TRUE(
        annDialogs.messages[1].text.endsWith(QString::fromStdString(programFolder + "data/!")));
    EXPECT_EQ(readFileBytes(root.path() / "notes.htm"), readFileBytes(annPage));

    annForm.close();
    EXPECT_FALSE(std::filesystem::exists(annPage));
    EXPECT_TRUE(std::filesystem::exists(bobPage));
    bobForm.close();
    EXPECT_FALSE(std::filesystem::exists(bobPage));
}

} // namespace
