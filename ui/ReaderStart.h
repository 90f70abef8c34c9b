#pragma once

#include "Dialogs.h"

#include "browser/WebEngineInterface.h"

#include "book/SingleReaderLock.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace ui {

// What the reader needs before its window is made: its own folder, under a name the web view
// can be given, and its book to itself for as long as this lives.
struct ReaderStart {
    std::string programFolder;
    std::unique_ptr<book::SingleReaderLock> bookLock;
};

// Finds the program folder and locks its book. When the reader must not start, shows why
// in the default error display and returns nothing; the book folder is left untouched.
std::optional<ReaderStart> prepareReaderStart(Dialogs& dialogs,
                                              const std::function<std::string()>& findFolder);

// How the pages of the book beside `programFolder` are read, and what they may reach: the
// book folder and the reader's own blank page.
browser::BookPages bookPagesBeside(const QString& programFolder);

} // namespace ui
