#pragma once

#include "fileio/FileDescriptor.h"

#include <string>

namespace book {

// A new file written beside a target and renamed over it once complete. The target is never
// opened, so a link there is replaced rather than followed, a pipe or a device there never
// holds the writer, and a writer stopped half-way leaves the old target or the new one,
// never half of one. The new file is removed when it does not get that far.
class ReplacementFile {
public:
    // Creates the new file; raises the input/output error of the target on a failure.
    explicit ReplacementFile(const std::string& target);
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;
    ~ReplacementFile();

    int descriptor() const { return file_.get(); }
    const std::string& target() const { return target_; }

    // Closes the new file and puts it in the target's place.
    void commit();

private:
    std::string target_;
    std::string path_;
    fileio::FileDescriptor file_;
    bool committed_ = false;
};

// Removes the new files of `target` that a writer killed half-way left beside it. Only for
// the one writer of the target (the reader that holds its book), lest it remove a new file
// that another writer has not renamed yet.
void removeAbandonedReplacements(const std::string& target);

} // namespace book
