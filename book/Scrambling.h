#pragma once

#include "ReplacementFile.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace book {

inline constexpr unsigned char kScrambleKey = 0xA6;
// A stored byte of this value ends a book file.
inline constexpr unsigned char kStoredEndMark = 0x1A;
// The one plain byte a book file cannot carry: its stored form is the end mark.
inline constexpr unsigned char kPlainByteOfEndMark = kStoredEndMark ^ kScrambleKey;

// No book comes near this: a book file above it, or one that reads past the size it
// reports, is refused rather than filling the disk and holding the window.
inline constexpr unsigned long long kLargestBookFile = 256ULL * 1024 * 1024;

// Descrambles `length` stored bytes in place and returns how many of them belong to the
// text: the count stops before the first stored end mark.
size_t descrambleInPlace(unsigned char* bytes, size_t length);

// The plain text of a whole stored book file held in memory.
std::string descramble(std::string_view stored);

// The stored form of a plain text. The caller makes sure the text has no plain byte
// that would be stored as the end mark.
std::string scramble(std::string_view plain);

// Writes the plain text of the book file `source` to `target`, replacing it whole.
// With `wrap`, the text is framed by an "<html>" line and an "</html>" line. The source
// must be a regular file of at most kLargestBookFile bytes and is opened first; the target is
// replaced only once the new text is complete. On any failure the target is as it was.
void decodeBookFile(const std::string& source, const std::string& target, bool wrap);
void decodeBookFile(const std::string& source, FileInFolder target, bool wrap);

} // namespace book
