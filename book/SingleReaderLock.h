#pragma once

#include "fileio/FileDescriptor.h"

#include <string>

namespace book {

// Keeps a second reader off a book that a reader has open: both would write the one working
// page. An advisory lock on the book folder, held while the object lives; the system drops
// it when the reader dies.
class SingleReaderLock {
public:
    // Raises a BookInUseError when another reader holds the book. A folder that cannot be
    // opened or locked (missing, unreadable, on a file system without locks) stays
    // unlocked: the book's own errors say what is wrong with it.
    explicit SingleReaderLock(const std::string& bookFolder);

    bool locked() const { return folder_.isOpen(); }

private:
    fileio::FileDescriptor folder_;
};

} // namespace book
