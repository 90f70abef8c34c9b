// Where the working page goes: the book folder when its user may write there, else a private
// folder of the user's own, one per book folder, that nobody else can reach into.
#include "book/Errors.h"
#include "book/Folders.h"

#include "ReadOnlyFolder.h"
#include "TempFolder.h"

#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// A book beside its program, the runtime folder of a session, and a home without a cache.
class WorkingFolders : public ::testing::Test {
protected:
    void SetUp() override {
        root.write("program/data/1.nvb", "");
        fs::create_directory(root.path() / "run", ec);
        fs::permissions(root.path() / "run", fs::perms::owner_all);
    }

    std::string bookFolder() const { return root.folder() + "program/data/"; }
    book::UserFolders withRuntime() const {
        return {root.folder() + "run", root.folder() + "cache"};
    }
    book::UserFolders withoutRuntime() const { return {"", root.folder() + "home/.cache"}; }

    // The folder chosen, or the message of the refusal.
    std::string chosen(const book::UserFolders& user) const {
        try {
            return book::workingFolderFor(bookFolder(), user);
        } catch (const book::FolderError& error) {
            return error.what();
        }
    }

    TempFolder root;
    std::error_code ec;
};

mode_t modeOf(const fs::path& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

TEST_F(WorkingFolders, WritableBookFolderKeepsThePage) {
    EXPECT_EQ(chosen(withRuntime()), bookFolder());
    EXPECT_FALSE(fs::exists(root.path() / "run" / "varnel"));
}

TEST_F(WorkingFolders, MissingBookFolderIsLeftToTheBooksOwnErrors) {
    fs::remove_all(root.path() / "program" / "data");
    EXPECT_EQ(chosen(withRuntime()), bookFolder());
    root.write("program/data", "a file where the folder belongs");
    EXPECT_EQ(chosen(withRuntime()), bookFolder());
    EXPECT_FALSE(fs::exists(root.path() / "run" / "varnel"));
}

TEST_F(WorkingFolders, ReadOnlyBookFolderGetsAPrivateFolderPerBookFolder) {
    root.write("copy/data/1.nvb", "");
    fs::create_directory_symlink(root.path() / "program", root.path() / "linked");
    const ReadOnlyFolder installed(root.path() / "program" / "data");
    const ReadOnlyFolder copy(root.path() / "copy" / "data");
    if (!installed.made() || !copy.made()) {
        GTEST_SKIP() << "no folder could be made read-only here";
    }

    const std::string page = chosen(withRuntime());
    ASSERT_EQ(page.rfind(root.folder() + "run/varnel/", 0), 0u) << page;
    ASSERT_EQ(page.back(), '/');
    EXPECT_EQ(fs::path(page).parent_path().parent_path(), root.path() / "run" / "varnel");
    EXPECT_EQ(modeOf(root.path() / "run" / "varnel"), 0700u);
    EXPECT_EQ(modeOf(page), 0700u);
    EXPECT_EQ(chosen(withRuntime()), page) << "the same folder at every start";
    EXPECT_EQ(book::workingFolderFor(root.folder() + "linked/data/", withRuntime()), page)
        << "the same book reached through a link";
    const std::string other = book::workingFolderFor(root.folder() + "copy/data/", withRuntime());
    EXPECT_NE(other, page) << "a copy of the book shares no page with the installed one";
    EXPECT_EQ(fs::path(other).parent_path().parent_path(), root.path() / "run" / "varnel");

    // Without a runtime folder, below the cache folder, made with its parents when missing.
    const std::string cached = chosen(withoutRuntime());
    EXPECT_EQ(cached.rfind(root.folder() + "home/.cache/varnel/", 0), 0u) << cached;
    EXPECT_TRUE(fs::is_directory(cached));
    EXPECT_EQ(modeOf(root.path() / "home" / ".cache"), 0700u);
    EXPECT_EQ(modeOf(cached), 0700u);

    EXPECT_EQ(chosen({"", ""}),
              "The reader cannot write in its book folder, " + bookFolder() +
                  ", and finds no folder of its user's own: neither XDG_RUNTIME_DIR nor HOME "
                  "is set");
}

// A private folder that is not the user's alone: another user could read, replace or
// remove the page the reader shows, or have the reader write where they choose.
struct StrangeFolder {
    const char* name;
    std::function<void(const fs::path& run, const std::string& bookFolder)> prepare;
    std::string folder; // the folder refused, below the runtime folder
    std::string why;
    bool needsRoot = false;
};

std::ostream& operator<<(std::ostream& out, const StrangeFolder& c) {
    return out << c.name;
}

class StrangeWorkingFolders : public WorkingFolders,
                              public ::testing::WithParamInterface<StrangeFolder> {};

TEST_P(StrangeWorkingFolders, ReadOnlyBookFolderRefusesAPrivateFolderNotItsUsersAlone) {
    const StrangeFolder& c = GetParam();
    if (c.needsRoot && ::geteuid() != 0) {
        GTEST_SKIP() << "giving a folder to another user takes root";
    }
    const ReadOnlyFolder data(root.path() / "program" / "data");
    if (!data.made()) {
        GTEST_SKIP() << "no folder could be made read-only here";
    }
    // The name the book's own folder gets, found as the reader finds it.
    const fs::path run = root.path() / "run";
    const std::string own = fs::path(book::workingFolderFor(bookFolder(), withRuntime()))
                                .parent_path()
                                .filename()
                                .string();
    fs::remove_all(run / "varnel");
    fs::create_directory(root.path() / "elsewhere");
    c.prepare(run, own);

    std::string folder = c.folder;
    const size_t mark = folder.find("%s");
    if (mark != std::string::npos) {
        folder.replace(mark, 2, own);
    }
    EXPECT_EQ(chosen(withRuntime()), "The reader cannot keep its working page in " + root.folder() +
                                         folder + ": " + c.why);
    EXPECT_TRUE(fs::is_empty(root.path() / "elsewhere")) << "nothing written through a link";
}

void makeFolder(const fs::path& folder, fs::perms perms) {
    fs::create_directories(folder);
    fs::permissions(folder, perms);
}

INSTANTIATE_TEST_SUITE_P(
    Table, StrangeWorkingFolders,
    ::testing::Values(
        StrangeFolder{"VarnelFolderIsALink",
                      [](const fs::path& run, const std::string&) {
                          fs::create_directory_symlink(run.parent_path() / "elsewhere",
                                                       run / "varnel");
                      },
                      "run/varnel", "it is a link"},
        StrangeFolder{"BooksFolderIsALink",
                      [](const fs::path& run, const std::string& own) {
                          makeFolder(run / "varnel", fs::perms::owner_all);
                          fs::create_directory_symlink(run.parent_path() / "elsewhere",
                                                       run / "varnel" / own);
                      },
                      "run/varnel/%s", "it is a link"},
        StrangeFolder{"BooksFolderIsAFile",
                      [](const fs::path& run, const std::string& own) {
                          makeFolder(run / "varnel", fs::perms::owner_all);
                          std::ofstream(run / "varnel" / own) << "not a folder";
                      },
                      "run/varnel/%s", "it is not a folder"},
        StrangeFolder{"VarnelFolderWritableByOthers",
                      [](const fs::path& run, const std::string&) {
                          makeFolder(run / "varnel", fs::perms::all);
                      },
                      "run/varnel", "other users may write in that folder"},
        StrangeFolder{"BooksFolderWritableByTheGroup",
                      [](const fs::path& run, const std::string& own) {
                          makeFolder(run / "varnel", fs::perms::owner_all);
                          makeFolder(run / "varnel" / own,
                                     fs::perms::owner_all | fs::perms::group_all);
                      },
                      "run/varnel/%s", "other users may write in that folder"},
        StrangeFolder{
            "RuntimeFolderWritableByOthers",
            [](const fs::path& run, const std::string&) { fs::permissions(run, fs::perms::all); },
            "run", "other users may write in that folder"},
        StrangeFolder{"RuntimeFolderMissing",
                      [](const fs::path& run, const std::string&) { fs::remove_all(run); }, "run",
                      "No such file or directory"},
        StrangeFolder{"VarnelFolderOfAnotherUser",
                      [](const fs::path& run, const std::string&) {
                          makeFolder(run / "varnel", fs::perms::owner_all);
                          ASSERT_EQ(::chown((run / "varnel").c_str(), 65534, 65534), 0);
                      },
                      "run/varnel", "the folder belongs to another user", true},
        StrangeFolder{"BooksFolderOfAnotherUser",
                      [](const fs::path& run, const std::string& own) {
                          makeFolder(run / "varnel" / own, fs::perms::owner_all);
                          fs::permissions(run / "varnel", fs::perms::owner_all);
                          ASSERT_EQ(::chown((run / "varnel" / own).c_str(), 65534, 65534), 0);
                      },
                      "run/varnel/%s", "the folder belongs to another user", true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
