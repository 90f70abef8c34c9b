#pragma once

#include <string>
#include <vector>

namespace booktool {

// Checks a packed book the way the reader will meet it. Each finding names its file and,
// where there is one, its line; an empty list means the book is sound.
std::vector<std::string> checkBook(const std::string& bookFolder);

} // namespace booktool
