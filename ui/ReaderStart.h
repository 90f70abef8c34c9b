#pragma once

#include "Dialogs.h"

#include "browser/WebEngineInterface.h"

#include "book/Folders.h"
#include "book/SingleReaderLock.h"
#include "book/WorkingFolder.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace ui {

// What the reader needs before its window is made: its own folder, under a name the web view
// can be given, the folder of its working page, and its book to itself for as long as this
// lives.
struct ReaderStart {
    std::string programFolder;
    std::string workingFolder; // its path, ending in "/"
    std::shared_ptr<const book::WorkingFolder> folder;
    std::unique_ptr<book::SingleReaderLock> bookLock;
};

// Finds the program folder, picks the working folder (see book::workingFolderFor; the layout
// is read from the program folder) and locks it. The book being ours alone from then on, what
// a reader that was killed, or lost its display, left there is removed. When the reader must
// not start, shows why in the default error display and returns nothing; the book folder is
// left untouched.
std::optional<ReaderStart> prepareReaderStart(Dialogs& dialogs,
                                              const std::function<std::string()>& findFolder,
                                              const book::UserFolders& user);

// How the pages of the book beside `programFolder` are read, and what they may reach: the
// book folder, the reader's own blank page, and the working page in `workingFolder` (the
// book folder when empty).
browser::BookPages bookPagesBeside(const QString& programFolder,
                                   const QString& workingFolder = QString());

} // namespace ui
