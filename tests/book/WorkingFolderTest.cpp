// Where the working page goes: the book folder when its user may write there, else a private
// folder of the user's own, one per book folder, that nobody else can reach into.
#include "book/WorkingFolder.h"
#include "book/Book.h"
#include "book/Errors.h"
#include "book/Folders.h"
#include "book/Scrambling.h"

#include "ReadOnlyFolder.h"
#include "TempFolder.h"

#include <cstring>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// A book beside its program, the runtime folder of a session, a home without a cache and a
// temporary folder shared by every user.
class WorkingFolders : public ::testing::Test {
protected:
    void SetUp() override {
        root.write("program/data/1.nvb", "");
        fs::create_directory(root.path() / "run", ec);
        fs::permissions(root.path() / "run", fs::perms::owner_all);
        fs::create_directory(root.path() / "tmp", ec);
        fs::permissions(root.path() / "tmp", fs::perms::all | fs::perms::sticky_bit);
    }

    std::string bookFolder() const { return root.folder() + "program/data/"; }
    book::UserFolders withRuntime() const {
        return {root.folder() + "run", root.folder() + "cache", root.folder() + "tmp"};
    }
    book::UserFolders withoutRuntime() const {
        return {"", root.folder() + "home/.cache", root.folder() + "tmp"};
    }

    // The folder chosen, or the message of the refusal.
    std::string chosen(const book::UserFolders& user,
                       book::Layout layout = book::Layout::Portable) const {
        try {
            return book::workingFolderFor(bookFolder(), user, layout)->path();
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

TEST_F(WorkingFolders, WritableBookFolderKeepsThePageUnlessInstalled) {
    EXPECT_EQ(chosen(withRuntime()), bookFolder());
    EXPECT_FALSE(fs::exists(root.path() / "run" / "varnel"));
    EXPECT_EQ(book::layoutOf(root.folder() + "program/"), book::Layout::Portable);

    // Installed, the reader writes nothing beside itself, even where it could (root).
    root.write("program/installed-layout", "");
    EXPECT_EQ(book::layoutOf(root.folder() + "program/"), book::Layout::Installed);
    EXPECT_EQ(
        chosen(withRuntime(), book::Layout::Installed).rfind(root.folder() + "run/varnel/", 0), 0u);
    EXPECT_EQ(fs::directory_iterator(root.path() / "program" / "data")->path().filename(), "1.nvb");

    // Someone else's copy that root may write in is still not root's to write in.
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(bookFolder().c_str(), 65534, 65534), 0);
        EXPECT_EQ(chosen(withRuntime()).rfind(root.folder() + "run/varnel/", 0), 0u);
    }
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
    EXPECT_EQ(book::workingFolderFor(root.folder() + "linked/data/", withRuntime())->path(), page)
        << "the same book reached through a link";
    const std::string other =
        book::workingFolderFor(root.folder() + "copy/data/", withRuntime())->path();
    EXPECT_NE(other, page) << "a copy of the book shares no page with the installed one";
    EXPECT_EQ(fs::path(other).parent_path().parent_path(), root.path() / "run" / "varnel");

    // Without a runtime folder, below the cache folder, made with its parents when missing.
    const std::string cached = chosen(withoutRuntime());
    EXPECT_EQ(cached.rfind(root.folder() + "home/.cache/varnel/", 0), 0u) << cached;
    EXPECT_TRUE(fs::is_directory(cached));
    EXPECT_EQ(modeOf(root.path() / "home" / ".cache"), 0700u);
    EXPECT_EQ(modeOf(cached), 0700u);

    // Nothing named: a fresh folder in the temporary folder, removed at the end when empty.
    std::string fresh;
    {
        const auto folder = book::workingFolderFor(bookFolder(), {"", "", root.folder() + "tmp"});
        fresh = folder->path();
        EXPECT_EQ(fresh.rfind(root.folder() + "tmp/varnel-", 0), 0u) << fresh;
        EXPECT_EQ(modeOf(fresh), 0700u);
        EXPECT_NE(book::workingFolderFor(bookFolder(), {"", "", root.folder() + "tmp"})->path(),
                  fresh);
    }
    EXPECT_FALSE(fs::exists(fresh));
    EXPECT_EQ(chosen({"", "", ""}), "The reader cannot keep its working page in a folder of its "
                                    "own: XDG_RUNTIME_DIR is not set; neither XDG_CACHE_HOME nor "
                                    "HOME is set");
}

// Another user who may write in the runtime folder (a group-writable one) renames the
// reader's folders while it runs and puts a link to a folder of the victim's in their place.
// The reader goes on in the folder it holds: it neither writes into nor removes from the
// folder the link names.
TEST_F(WorkingFolders, FolderSwappedAfterStartIsNotWrittenThrough) {
    root.write("program/data.nvb",
               book::scramble("[vkladka]\r\n1\r\nOne\r\n[pro]\r\n#a\r\nA\r\n1"));
    root.write("program/data/1.nvb", book::scramble("<p>one</p>"));
    root.write("elsewhere/vaxilog.htm", "the victim's own page");
    const fs::path run = root.path() / "run";
    const bool twoUsers = ::geteuid() == 0;
    if (twoUsers) {
        // The other user, nobody, may reach the runtime folder and write in it by its group.
        fs::permissions(root.path(), fs::perms::owner_all | fs::perms::others_exec);
        ASSERT_EQ(::chown(run.c_str(), 0, 65534), 0);
        fs::permissions(run, fs::perms::owner_all | fs::perms::group_all);
    }
    const std::shared_ptr<const book::WorkingFolder> folder =
        book::workingFolderFor(bookFolder(), withRuntime(), book::Layout::Installed);
    const fs::path held = fs::path(folder->path()).parent_path();
    ASSERT_EQ(held.parent_path(), run / "varnel");
    book::Book reader;
    reader.fixFolders(root.folder() + "program/", folder);
    reader.LoadContents();

    const pid_t other = ::fork();
    ASSERT_GE(other, 0);
    if (other == 0) {
        if (twoUsers && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            ::_exit(2);
        }
        std::error_code failed;
        fs::rename(run / "varnel", run / "stolen", failed);
        fs::create_directory(run / "varnel", failed);
        fs::create_directory_symlink(root.path() / "elsewhere", run / "varnel" / held.filename(),
                                     failed);
        ::_exit(failed ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(other, &status, 0), other);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the swap could not be made";

    reader.OpenArticle(1);
    const fs::path moved = run / "stolen" / held.filename() / "vaxilog.htm";
    EXPECT_EQ(readFileBytes(moved), "<html>\r\n<p>one</p></html>\r\n");
    reader.deleteWorkingPage();
    EXPECT_FALSE(fs::exists(moved));
    EXPECT_EQ(readFileBytes(root.path() / "elsewhere" / "vaxilog.htm"), "the victim's own page");
    EXPECT_EQ(std::distance(fs::directory_iterator(root.path() / "elsewhere"), {}), 1);
}

// A place for the private folder that is not the user's alone: another user could read,
// replace or remove the page the reader shows, or have the reader write where they choose.
// The reader goes on to the next place, and refuses only when there is none.
struct StrangeFolder {
    const char* name;
    std::function<void(const fs::path& root, const std::string& own)> prepare;
    // "run", "cache" or "tmp": where the folder is made; else the refusal, with %R for the
    // test folder, %s for the book's own folder name and %E for why a read-only folder
    // cannot be written in.
    std::string outcome;
    bool needsRoot = false;
    bool readOnlyHome = false;
};

std::ostream& operator<<(std::ostream& out, const StrangeFolder& c) {
    return out << c.name;
}

class StrangeWorkingFolders : public WorkingFolders,
                              public ::testing::WithParamInterface<StrangeFolder> {};

void replaceAll(std::string& text, const std::string& mark, const std::string& by) {
    for (size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at)) {
        text.replace(at, mark.size(), by);
        at += by.size();
    }
}

TEST_P(StrangeWorkingFolders, ReadOnlyBookFolderGoesToTheFirstPlaceThatIsTheUsersAlone) {
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
    const std::string own = fs::path(book::workingFolderFor(bookFolder(), withRuntime())->path())
                                .parent_path()
                                .filename()
                                .string();
    fs::remove_all(run / "varnel");
    fs::create_directory(root.path() / "elsewhere");
    std::optional<ReadOnlyFolder> home;
    c.prepare(root.path(), own);
    if (c.readOnlyHome) {
        fs::create_directory(root.path() / "home");
        home.emplace(root.path() / "home");
        ASSERT_TRUE(home->made());
    }
    const book::UserFolders user{run.string(), root.folder() + "home/.cache",
                                 root.folder() + "tmp"};

    const std::string folder = chosen(user);
    if (c.outcome == "run" || c.outcome == "cache" || c.outcome == "tmp") {
        const std::string base = c.outcome == "cache" ? "home/.cache" : c.outcome;
        EXPECT_EQ(folder.rfind(root.folder() + base + "/varnel", 0), 0u) << folder;
    } else {
        std::string expected = c.outcome;
        replaceAll(expected, "%R", root.folder());
        replaceAll(expected, "%s", own);
        replaceAll(expected, "%E", std::strerror(::geteuid() == 0 ? EROFS : EACCES));
        EXPECT_EQ(folder, expected);
    }
    EXPECT_TRUE(fs::is_empty(root.path() / "elsewhere")) << "nothing written through a link";
}

void makeFolder(const fs::path& folder, fs::perms perms) {
    fs::create_directories(folder);
    fs::permissions(folder, perms);
}

void giveAway(const fs::path& file) {
    ASSERT_EQ(::lchown(file.c_str(), 65534, 65534), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, StrangeWorkingFolders,
    ::testing::Values(
        StrangeFolder{"VarnelFolderIsALink",
                      [](const fs::path& root, const std::string&) {
                          fs::create_directory_symlink(root / "elsewhere", root / "run" / "varnel");
                      },
                      "cache"},
        StrangeFolder{"BooksFolderIsALink",
                      [](const fs::path& root, const std::string& own) {
                          makeFolder(root / "run" / "varnel", fs::perms::owner_all);
                          fs::create_directory_symlink(root / "elsewhere",
                                                       root / "run" / "varnel" / own);
                      },
                      "cache"},
        StrangeFolder{"BooksFolderIsAFile",
                      [](const fs::path& root, const std::string& own) {
                          makeFolder(root / "run" / "varnel", fs::perms::owner_all);
                          std::ofstream(root / "run" / "varnel" / own) << "not a folder";
                      },
                      "cache"},
        StrangeFolder{"VarnelFolderWritableByOthers",
                      [](const fs::path& root, const std::string&) {
                          makeFolder(root / "run" / "varnel", fs::perms::all);
                      },
                      "cache"},
        StrangeFolder{"BooksFolderWritableByTheGroup",
                      [](const fs::path& root, const std::string& own) {
                          makeFolder(root / "run" / "varnel", fs::perms::owner_all);
                          makeFolder(root / "run" / "varnel" / own,
                                     fs::perms::owner_all | fs::perms::group_all);
                      },
                      "cache"},
        StrangeFolder{"RuntimeFolderWritableByOthers",
                      [](const fs::path& root, const std::string&) {
                          fs::permissions(root / "run", fs::perms::all);
                      },
                      "cache"},
        // With a private group per user (umask 002), what we hold below it stays ours.
        StrangeFolder{"RuntimeFolderWritableByTheGroup",
                      [](const fs::path& root, const std::string&) {
                          fs::permissions(root / "run",
                                          fs::perms::owner_all | fs::perms::group_all);
                      },
                      "run"},
        StrangeFolder{
            "RuntimeFolderMissing",
            [](const fs::path& root, const std::string&) { fs::remove_all(root / "run"); },
            "cache"},
        StrangeFolder{"VarnelFolderOfAnotherUser",
                      [](const fs::path& root, const std::string&) {
                          makeFolder(root / "run" / "varnel", fs::perms::owner_all);
                          giveAway(root / "run" / "varnel");
                      },
                      "cache", true},
        StrangeFolder{"BooksFolderOfAnotherUser",
                      [](const fs::path& root, const std::string& own) {
                          makeFolder(root / "run" / "varnel" / own, fs::perms::owner_all);
                          giveAway(root / "run" / "varnel" / own);
                      },
                      "cache", true},
        // A runtime folder kept by su from another user, who may rename the reader's
        // folders in it and plant links in their place at any time.
        StrangeFolder{"RuntimeFolderOfAnotherUserStickyForAll",
                      [](const fs::path& root, const std::string&) {
                          fs::permissions(root / "run", fs::perms::all | fs::perms::sticky_bit);
                          giveAway(root / "run");
                      },
                      "cache", true},
        StrangeFolder{
            "CacheInAReadOnlyHome",
            [](const fs::path& root, const std::string&) { fs::remove_all(root / "run"); }, "tmp",
            false, true},
        StrangeFolder{"NothingUsable",
                      [](const fs::path& root, const std::string&) {
                          fs::create_directory_symlink(root / "elsewhere", root / "run" / "varnel");
                          fs::permissions(root / "tmp", fs::perms::all);
                      },
                      "The reader cannot keep its working page in a folder of its own: "
                      "%Rrun/varnel: it is a link; %Rhome/.cache: %E; %Rtmp: other users may "
                      "write in that folder",
                      false, true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
