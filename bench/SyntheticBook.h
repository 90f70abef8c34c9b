#pragma once

// A made-up book as large as the reader's chapter table allows, for timing.
#include <cstddef>
#include <string>

namespace benchbook {

inline constexpr int kChapters = 50;
inline constexpr int kArticlesPerChapter = 24;
inline constexpr size_t kChapterBytes = 200 * 1024;

// The anchor line of an article as the table of contents carries it, e.g. "#s7"; the
// chapter page has the matching name without the "#".
std::string articleAnchor(int article);

// Plain table of contents (windows-1251) with every chapter and article slot used. With
// `textScale` above 1 the same entries get longer titles and stray lines between them, so
// the text grows about that many times while the list and the chapter table stay the same.
std::string contentsText(int textScale = 1);

// Plain HTML page (windows-1251) of a chapter, about `bytes` long, with one anchor per
// article spread evenly over it.
std::string chapterPage(int chapter, size_t bytes = kChapterBytes);

// Plain text of exactly `bytes` bytes made of chapter pages one after another.
std::string longText(size_t bytes);

// The stored (scrambled) form of a plain text; refuses a text with the one byte a book file
// cannot carry.
std::string storedForm(const std::string& plain);

// Writes the book in the layout the reader opens: `folder`/data.nvb and `folder`/data/N.nvb.
void writeBook(const std::string& folder);

// Writes `bytes` to `path`, replacing it, and flushes them to the disk so that writing them
// back does not disturb the timings that follow.
void writeFile(const std::string& path, const std::string& bytes);

} // namespace benchbook
