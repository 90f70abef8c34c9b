#pragma once

#include "fileio/FileDescriptor.h"

#include <fcntl.h>
#include <string>

namespace book {

// A file named from a folder: `name` looked up in the folder `folder` is held open (or in
// the current folder, AT_FDCWD); `path` is how messages name it.
struct FileInFolder {
    int folder;
    std::string name;
    std::string path;

    static FileInFolder atPath(const std::string& path) { return {AT_FDCWD, path, path}; }
};

// A new file written beside a target and renamed over it once complete. The target is never
// opened, so a link there is replaced rather than followed, a pipe or a device there never
// holds the writer, and a writer stopped half-way leaves the old target or the new one,
// never half of one. The new file is removed when it does not get that far.
class ReplacementFile {
public:
    // Creates the new file; raises the input/output error of the target on a failure.
    explicit ReplacementFile(const std::string& target);
    explicit ReplacementFile(FileInFolder target);
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;
    ~ReplacementFile();

    int descriptor() const { return file_.get(); }
    const std::string& target() const { return target_.path; }

    // Closes the new file and puts it in the target's place.
    void commit();

private:
    FileInFolder target_;
    std::string name_; // of the new file, in the target's folder
    fileio::FileDescriptor file_;
    bool committed_ = false;
};

// Removes the new files of `target` that a writer killed half-way left beside it. Only for
// the one writer of the target (the reader that holds its book), lest it remove a new file
// that another writer has not renamed yet.
void removeAbandonedReplacements(const FileInFolder& target);

} // namespace book
