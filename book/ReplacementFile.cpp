#include "ReplacementFile.h"

#include "Errors.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace book {

namespace {

// ".name.XXXXXX" in the target's folder: the same file system, so the rename is one step.
std::string temporaryPatternFor(const std::string& target) {
    const auto slash = target.find_last_of('/');
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    return target.substr(0, nameStart) + "." + target.substr(nameStart) + ".XXXXXX";
}

// mkostemp creates with O_CREAT | O_EXCL and mode 0600: never through a link, never over
// a file that is there.
int createTemporary(std::string& path) {
    std::vector<char> pattern(path.begin(), path.end());
    pattern.push_back('\0');
    const int descriptor = ::mkostemp(pattern.data(), O_CLOEXEC | O_NOFOLLOW);
    if (descriptor >= 0) {
        path.assign(pattern.data());
    }
    return descriptor;
}

} // namespace

ReplacementFile::ReplacementFile(const std::string& target)
    : target_(target), path_(temporaryPatternFor(target)), file_(createTemporary(path_)) {
    if (!file_.isOpen()) {
        throwIoError(errno, target_);
    }
}

ReplacementFile::~ReplacementFile() {
    if (!committed_) {
        ::unlink(path_.c_str());
    }
}

void removeAbandonedReplacements(const std::string& target) {
    const std::string pattern = temporaryPatternFor(target);
    const auto slash = pattern.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : pattern.substr(0, slash + 1);
    const std::string prefix = pattern.substr(slash + 1, pattern.size() - slash - 1 - 6);
    DIR* entries = ::opendir(folder.c_str());
    if (!entries) {
        return; // the book's own errors say what is wrong with the folder
    }
    while (const dirent* entry = ::readdir(entries)) {
        // The name mkostemp makes: the prefix and six characters. unlink removes a link
        // itself, never what it points at.
        if (std::strlen(entry->d_name) == prefix.size() + 6 &&
            std::strncmp(entry->d_name, prefix.c_str(), prefix.size()) == 0) {
            ::unlinkat(::dirfd(entries), entry->d_name, 0);
        }
    }
    ::closedir(entries);
}

void ReplacementFile::commit() {
    if (file_.closeNow() != 0 || ::rename(path_.c_str(), target_.c_str()) != 0) {
        throwIoError(errno, target_);
    }
    committed_ = true;
}

} // namespace book
