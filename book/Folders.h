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

inline constexpr const char* kContentsFileName = "data.nvb";
inline constexpr const char* kWorkingPageName = "vaxilog.htm";

// Chapter N's page in the book folder is "N.nvb".
inline constexpr const char* kChapterFileExtension = ".nvb";
std::string chapterFileName(int chapter);

} // namespace book
