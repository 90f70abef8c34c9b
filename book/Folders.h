#pragma once

#include <string>

namespace book {

// The folder of a program file: its path with everything after the last "/" removed.
std::string programFolderOf(const std::string& programPath);

// The folder of the running program, ending in "/".
std::string GetProgramFolder();

// The book folder lies below the program folder.
std::string bookFolderOf(const std::string& programFolder);

inline constexpr const char* kContentsFileName = "data.nvb";
inline constexpr const char* kWorkingPageName = "vaxilog.htm";

} // namespace book
