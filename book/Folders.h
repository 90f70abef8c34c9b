#pragma once

#include <string>

namespace book {

// The folder of a program file: its path with everything after the last "/" removed.
std::string programFolderOf(const std::string& programPath);

// The folder of the program a link names, ending in "/". Raises a ProgramFolderError when
// the link cannot be read or names no absolute path: taking the current folder instead
// would read, and overwrite, whatever book happens to lie there.
std::string programFolderFromLink(const std::string& link);

// The folder of the running program, ending in "/"; see programFolderFromLink.
std::string GetProgramFolder();

// The book folder lies below the program folder.
std::string bookFolderOf(const std::string& programFolder);

// The folders of the reader's user that a working folder of its own may lie below, as the
// environment names them. Empty when not named (or not named by an absolute path).
struct UserFolders {
    std::string runtimeFolder; // $XDG_RUNTIME_DIR
    std::string cacheFolder;   // ${XDG_CACHE_HOME:-$HOME/.cache}

    static UserFolders fromEnvironment();
};

// Where the reader writes its working page and holds its one-reader lock, ending in "/".
// The book folder itself when the user may write there, and also when it is missing or
// cannot be reached, so that the book's own errors say what is wrong. Otherwise (a book
// installed for every user of the machine) a private folder of the user's own, made when
// missing: varnel/ below the runtime folder when there is one, else below the cache folder,
// with one folder in it per book folder. Raises a FolderError when that folder cannot be
// made, is a link, or is not the user's alone.
std::string workingFolderFor(const std::string& bookFolder, const UserFolders& user);

inline constexpr const char* kContentsFileName = "data.nvb";
inline constexpr const char* kWorkingPageName = "vaxilog.htm";

} // namespace book
