#pragma once

#include "WorkingFolder.h"

#include "fileio/FileDescriptor.h"

#include <string>

namespace book {

// Keeps a second reader off a book that a reader has open: both would write the one working
// page. An advisory lock on the working folder (see workingFolderFor), held while the object
// lives; the system drops it when the reader dies.
class SingleReaderLock {
public:
    // Raises a BookInUseError when another reader holds the folder, and a FolderError when
    // it cannot be locked for any other reason (unreadable, on a file system without
    // locks). A folder that is missing, or is no folder, stays unlocked: the book's own
    // errors say what is wrong with it.
    explicit SingleReaderLock(const std::string& folder);
    // The lock on the folder held, when it is; else as above on its path.
    explicit SingleReaderLock(const WorkingFolder& folder);

    bool locked() const { return folder_.isOpen(); }

private:
    SingleReaderLock(int at, const std::string& name, const std::string& folder);

    fileio::FileDescriptor folder_;
};

} // namespace book
