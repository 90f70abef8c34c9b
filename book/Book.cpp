#include "Book.h"

#include "Errors.h"
#include "Folders.h"
#include "Scrambling.h"
#include "fileio/FileDescriptor.h"

#include <cerrno>
#include <unistd.h>

namespace book {

void Book::fixFolders(const std::string& programFolder) {
    fixFolders(programFolder, std::make_shared<WorkingFolder>(bookFolderOf(programFolder)));
}

void Book::fixFolders(const std::string& programFolder,
                      std::shared_ptr<const WorkingFolder> workingFolder) {
    programFolder_ = programFolder;
    bookFolder_ = bookFolderOf(programFolder);
    workingFolder_ = std::move(workingFolder);
}

std::string Book::contentsFilePath() const {
    return programFolder_ + kContentsFileName;
}

std::string Book::workingPagePath() const {
    return workingFolder_->path() + kWorkingPageName;
}

FileInFolder Book::workingPage() const {
    return {workingFolder_->at(), workingFolder_->nameOf(kWorkingPageName), workingPagePath()};
}

std::string Book::chapterFilePath(int chapter) const {
    return bookFolder_ + chapterFileName(chapter);
}

void Book::DecodeToWorkingPage(const std::string& source, bool wrap) {
    decodeBookFile(source, workingPage(), wrap);
}

void Book::LoadContents() {
    DecodeToWorkingPage(contentsFilePath(), false);
    std::string text;
    const FileInFolder page = workingPage();
    if (const int error = fileio::readWholeFileAt(page.folder, page.name, text, kLargestBookFile)) {
        throwIoError(error, page.path);
    }
    parseContents(text, contents_);
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
    const FileInFolder page = workingPage();
    ::unlinkat(page.folder, page.name.c_str(), 0);
}

std::string readWholeFile(const std::string& path) {
    std::string text;
    if (const int error = fileio::readWholeFile(path, text, kLargestBookFile)) {
        throwIoError(error, path);
    }
    return text;
}

} // namespace book
