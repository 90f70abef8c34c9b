#pragma once

#include "book/CodePage.h"

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace ui {

// Where the book's bytes meet Qt's text: the book keeps its texts in its own code page and
// names files with the system's bytes; the window shows and passes on Unicode.

using book::kBookCodePage;

// A text of the book (a list item, an anchor, a message) as the window shows it.
QString textFromBookCodePage(const std::string& bytes);
// Many texts at once, with one decoder: the table of contents has over a thousand items.
QStringList textsFromBookCodePage(const std::vector<std::string>& texts);

// A path as the file system names it, for Qt, and back.
QString pathFromNative(const std::string& path);
std::string nativePath(const QString& path);

} // namespace ui
