// A working page kept outside the book folder: the names beside it stand for the book
// folder's regular files, and for nothing else.
#include "browser/WorkingPageFolder.h"

#include "TempFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

struct BesideCase {
    const char* name;
    const char* request;  // below the test folder, as the page asks for it
    const char* bookFile; // below the test folder; nullptr: refused
};

std::ostream& operator<<(std::ostream& out, const BesideCase& c) {
    return out << c.name;
}

class NamesBesideTheWorkingPage : public ::testing::TestWithParam<BesideCase> {
protected:
    void SetUp() override {
        root.write("book/data/pic.svg", "<svg/>");
        root.write("book/data/img/a.png", "png");
        root.write("book/data/vaxilog.htm", "a page left in the book folder");
        root.write("private.txt", "somebody's notes");
        root.write("run/varnel/id/vaxilog.htm", "<html>the page</html>");
        root.write("run/varnel/id/notes.txt", "beside the page, not in the book");
        fs::create_directory_symlink(root.path() / "run", root.path() / "linked");
        fs::create_symlink(root.path() / "private.txt", root.path() / "book/data/out.txt");
        fs::create_symlink("img/a.png", root.path() / "book/data/alias.png");
        fs::create_directory(root.path() / "book/data/sub");
        ASSERT_EQ(::mkfifo((root.path() / "book/data/pipe.png").c_str(), 0600), 0);
    }

    QString path(const char* below) const { return QString::fromStdString(root.folder()) + below; }

    TempFolder root;
};

TEST_P(NamesBesideTheWorkingPage, StandForRegularBookFilesOnly) {
    const BesideCase& c = GetParam();
    // The page's address names the working folder through a link, as $HOME may.
    const browser::WorkingPageFolder folder(path("linked/varnel/id/vaxilog.htm"),
                                            path("book/data/"));
    const QUrl request(QUrl::fromLocalFile(path("")).toString() + c.request);
    const QUrl moved = folder.bookFileFor(request);
    if (!c.bookFile) {
        EXPECT_TRUE(moved.isEmpty()) << moved.toString().toStdString();
        return;
    }
    EXPECT_EQ(moved.toString().toStdString(),
              (QUrl::fromLocalFile(path("")).toString() + c.bookFile).toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Table, NamesBesideTheWorkingPage,
    ::testing::Values(
        BesideCase{"Picture", "linked/varnel/id/pic.svg", "book/data/pic.svg"},
        BesideCase{"ThroughTheResolvedFolder", "run/varnel/id/pic.svg", "book/data/pic.svg"},
        BesideCase{"InAFolderOfTheBook", "linked/varnel/id/img/a.png", "book/data/img/a.png"},
        BesideCase{"QueryAndFragmentKept", "linked/varnel/id/pic.svg?v=2#top",
                   "book/data/pic.svg?v=2#top"},
        BesideCase{"LinkWithinTheBook", "linked/varnel/id/alias.png", "book/data/alias.png"},
        BesideCase{"ThePageItself", "linked/varnel/id/vaxilog.htm", nullptr},
        BesideCase{"AnotherFileBesideThePage", "linked/varnel/id/notes.txt", nullptr},
        BesideCase{"NoSuchBookFile", "linked/varnel/id/missing.png", nullptr},
        BesideCase{"LinkOutOfTheBook", "linked/varnel/id/out.txt", nullptr},
        BesideCase{"Pipe", "linked/varnel/id/pipe.png", nullptr},
        BesideCase{"Folder", "linked/varnel/id/sub", nullptr},
        BesideCase{"TheWorkingFolderItself", "linked/varnel/id/", nullptr},
        BesideCase{"ClimbingOut", "linked/varnel/id/%2E%2E/%2E%2E/%2E%2E/private.txt", nullptr},
        BesideCase{"ElsewhereOnTheDisk", "private.txt", nullptr},
        BesideCase{"ANeighbouringFolder", "run/varnel/idx/pic.svg", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WorkingPageFolder, InTheBookFolderNothingStandsForAnythingElse) {
    TempFolder root;
    root.write("data/pic.svg", "<svg/>");
    root.write("data/vaxilog.htm", "<html>the page</html>");
    const QString book = QString::fromStdString(root.folder()) + "data/";
    const browser::WorkingPageFolder folder(book + "vaxilog.htm", book);
    EXPECT_TRUE(folder.bookFileFor(QUrl::fromLocalFile(book + "pic.svg")).isEmpty());
    EXPECT_FALSE(folder.isWorkingPage(book + "vaxilog.htm")) << "a book file like the others";

    root.write("run/vaxilog.htm", "<html>the page</html>");
    const browser::WorkingPageFolder own(QString::fromStdString(root.folder()) + "run/vaxilog.htm",
                                         book);
    EXPECT_TRUE(own.isWorkingPage(QString::fromStdString(root.folder()) + "run/vaxilog.htm"));
    EXPECT_FALSE(own.isWorkingPage(QString::fromStdString(root.folder()) + "run/notes.txt"));
}

} // namespace
