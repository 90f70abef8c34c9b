#pragma once

#include <stdexcept>
#include <string>

namespace booktool {

// A book source that cannot be packed, or a file that cannot be read or written.
class PackError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Packs a readable book: SOURCE/contents.txt and SOURCE/N.htm (UTF-8) become
// OUT/data.nvb and OUT/data/N.nvb (CP1251, scrambled); every other file of SOURCE is an
// asset and is copied unchanged to OUT/data/.
void packBook(const std::string& sourceFolder, const std::string& outFolder);

// The reverse: a packed book back to its readable sources.
void unpackBook(const std::string& bookFolder, const std::string& outFolder);

} // namespace booktool
