#pragma once

#include "Contents.h"
#include "ReplacementFile.h"
#include "WorkingFolder.h"

#include <memory>

#include <string>

namespace book {

// The reader's book for one run: where it lies, what its table of contents says, and
// which anchor was opened last. The window owns exactly one.
class Book {
public:
    // Fixes the program folder and the book folder below it; the working page lies in the
    // book folder.
    void fixFolders(const std::string& programFolder);
    // The same with the working page in `workingFolder`.
    void fixFolders(const std::string& programFolder,
                    std::shared_ptr<const WorkingFolder> workingFolder);

    const std::string& programFolder() const { return programFolder_; }
    const std::string& bookFolder() const { return bookFolder_; }
    const std::string& workingFolder() const { return workingFolder_->path(); }
    std::string contentsFilePath() const;
    std::string workingPagePath() const;
    // The working page, named from the working folder held.
    FileInFolder workingPage() const;
    std::string chapterFilePath(int chapter) const;

    // Descrambles a book file into the working page file.
    void DecodeToWorkingPage(const std::string& source, bool wrap);

    // Loads the table of contents through the working page file. On an error, what was
    // loaded so far stays in contents().
    void LoadContents();

    // Writes the chapter of a list entry into the working page file and remembers its
    // anchor. An entry that matches nothing changes nothing.
    void OpenArticle(int listPosition);

    const std::string& currentAnchor() const { return currentAnchor_; }

    // Removes the working page file; a failure is of no interest at close.
    void deleteWorkingPage() const;

    const Contents& contents() const { return contents_; }

private:
    std::string programFolder_;
    std::string bookFolder_;
    std::shared_ptr<const WorkingFolder> workingFolder_ =
        std::make_shared<WorkingFolder>(std::string());
    std::string currentAnchor_;
    Contents contents_;
};

// Reads a whole book file (at most kLargestBookFile bytes) into memory, raising the
// input/output error of a failure.
std::string readWholeFile(const std::string& path);

} // namespace book
