#include "Book.h"

#include "Errors.h"
#include "Folders.h"
#include "Scrambling.h"
#include "fileio/FileDescriptor.h"

#include <cerrno>
#include <unistd.h>

namespace book {

void Book::fixFolders(const std::string& programFolder) {
    fixFolders(programFolder, bookFolderOf(programFolder));
}

void Book::fixFolders(const std::string& programFolder, const std::string& workingFolder) {
    programFolder_ = programFolder;
    bookFolder_ = bookFolderOf(programFolder);
    workingFolder_ = workingFolder;
}

std::string Book::contentsFilePath() const {
    return programFolder_ + kContentsFileName;
}

std::string Book::workingPagePath() const {
    return workingFolder_ + kWorkingPageName;
}

std::string Book::chapterFilePath(int chapter) const {
    return bookFolder_ + std::to_string(chapter) + ".nvb";
}

void Book::DecodeToWorkingPage(const std::string& source, bool wrap) {
    decodeBookFile(source, workingPagePath(), wrap);
}

void Book::LoadContents() {
    DecodeToWorkingPage(contentsFilePath(), false);
    parseContents(readWholeFile(workingPagePath()), contents_);
}

void Book::OpenArticle(int listPosition) {
    if (contents_.chapterCount <= 0) {
        return;
    }
    const auto location = findArticle(contents_, listPosition);
    if (!location) {
        return;
    }
    currentAnchor_ = location->anchor;
    DecodeToWorkingPage(chapterFilePath(location->chapter), true);
}

void Book::deleteWorkingPage() const {
    ::unlink(workingPagePath().c_str());
}

std::string readWholeFile(const std::string& path) {
    std::string text;
    if (const int error = fileio::readWholeFile(path, text)) {
        throwIoError(error, path);
    }
    return text;
}

} // namespace book
