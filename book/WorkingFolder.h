#pragma once

#include "fileio/FileDescriptor.h"

#include <memory>
#include <string>

namespace book {

// The folders of the reader's user that a working folder of its own may lie below, as the
// environment names them. Empty when not named (or not named by an absolute path).
struct UserFolders {
    std::string runtimeFolder;   // $XDG_RUNTIME_DIR
    std::string cacheFolder;     // ${XDG_CACHE_HOME:-$HOME/.cache}
    std::string temporaryFolder; // ${TMPDIR:-/tmp}

    static UserFolders fromEnvironment();
};

// How the reader was laid out: a portable copy (the build's reader folder, a copy unpacked
// into one's own folders) may keep its page in its book folder; an installed reader never
// writes beside itself, whoever runs it.
enum class Layout { Portable, Installed };

// Written beside the program by the install step only.
inline constexpr const char* kInstalledMarkName = "installed-layout";
Layout layoutOf(const std::string& programFolder);

// The folder the working page is written in, renamed in, removed from and the one-reader
// lock is taken on. Once chosen it is held open, and every name is looked up in the folder
// held: a folder of its path renamed and replaced by a link while the reader runs changes
// nothing of where it writes.
class WorkingFolder {
public:
    // A folder that is not held (a book folder that is missing): names are looked up from
    // the path each time, so that the book's own errors say what is wrong.
    explicit WorkingFolder(std::string path);
    // `folder` held; `fresh` in `parent` is removed at the end when it is empty.
    WorkingFolder(std::string path, fileio::FileDescriptor folder,
                  fileio::FileDescriptor parent = fileio::FileDescriptor(-1),
                  std::string fresh = std::string());
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;
    ~WorkingFolder();

    // Ends in "/".
    const std::string& path() const { return path_; }
    bool held() const { return folder_.isOpen(); }
    // What to look `fileName` up from, and under which name: the folder held and the bare
    // name, or the current folder and the whole path.
    int at() const;
    std::string nameOf(const std::string& fileName) const;

private:
    std::string path_;
    fileio::FileDescriptor folder_;
    fileio::FileDescriptor parent_;
    std::string fresh_;
};

// Picks and holds the working folder for the book folder.
//
// In the portable layout, the book folder itself when it is the user's and the user may
// write there, and also when it is missing or cannot be reached, so that the book's own
// errors say what is wrong. Otherwise (an installed reader, a book folder of another user's
// or one the user may not write) a private folder of the user's own, one per book folder:
// varnel/ID below the runtime folder; failing that, below the cache folder (made when
// missing); failing that, a fresh folder below the temporary folder. A base folder is used
// only when it is the user's, or root's with the sticky bit, and nobody else may replace
// entries in it. Raises a FolderError, naming what was wrong with each, when none of them
// can be used.
std::unique_ptr<WorkingFolder> workingFolderFor(const std::string& bookFolder,
                                                const UserFolders& user,
                                                Layout layout = Layout::Portable);

} // namespace book
