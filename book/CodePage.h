#pragma once

namespace book {

// The code page of the book's texts and pages, by the name Qt's converters and a page's
// charset declaration give it. The book keeps these bytes as they are; the code that shows,
// writes or packs them converts.
inline constexpr const char* kBookCodePage = "windows-1251";

} // namespace book
