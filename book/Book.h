#pragma once

#include "Contents.h"

#include <string>

namespace book {

// The reader's book for one run: where it lies, what its table of contents says, and
// which anchor was opened last. The window owns exactly one.
class Book {
public:
    // Fixes the program folder and the book folder below it; the working page lies in the
    // book folder.
    void fixFolders(const std::string& programFolder);
    // The same with the working page in `workingFolder` (ending in "/").
    void fixFolders(const std::string& programFolder, const std::string& workingFolder);

    const std::string& programFolder() const { return programFolder_; }
    const std::string& bookFolder() const { return bookFolder_; }
    const std::string& workingFolder() const { return workingFolder_; }
    std::string contentsFilePath() const;
    std::string workingPagePath() const;
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
    std::string workingFolder_;
    std::string currentAnchor_;
    Contents contents_;
};

// Reads a whole file into memory, raising the input/output error of a failure.
std::string readWholeFile(const std::string& path);

} // namespace book
