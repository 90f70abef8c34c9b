#include "ReplacementFile.h"

#include "Errors.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <unistd.h>

namespace book {

namespace {

constexpr size_t kUniqueLength = 6;

// ".name" and six characters, in the target's folder: the same file system, so the rename
// is one step.
std::string prefixFor(const std::string& target) {
    const auto slash = target.find_last_of('/');
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    return target.substr(0, nameStart) + "." + target.substr(nameStart) + ".";
}

// O_CREAT | O_EXCL and mode 0600: never through a link, never over a file that is there.
int createTemporary(const FileInFolder& target, std::string& name) {
    const std::string prefix = prefixFor(target.name);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = prefix + fileio::uniqueLetters(kUniqueLength);
        const int descriptor =
            ::openat(target.folder, name.c_str(),
                     O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0600);
        if (descriptor >= 0 || errno != EEXIST) {
            return descriptor;
        }
    }
    return -1;
}

} // namespace

ReplacementFile::ReplacementFile(const std::string& target)
    : ReplacementFile(FileInFolder::atPath(target)) {}

ReplacementFile::ReplacementFile(FileInFolder target)
    : target_(std::move(target)), file_(createTemporary(target_, name_)) {
    if (!file_.isOpen()) {
        throwIoError(errno, target_.path);
    }
}

ReplacementFile::~ReplacementFile() {
    if (!committed_) {
        ::unlinkat(target_.folder, name_.c_str(), 0);
    }
}

void removeAbandonedReplacements(const FileInFolder& target) {
    const std::string pattern = prefixFor(target.name);
    const auto slash = pattern.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : pattern.substr(0, slash + 1);
    const std::string prefix = pattern.substr(slash == std::string::npos ? 0 : slash + 1);
    // A descriptor of its own: closedir closes it.
    const int listed =
        ::openat(target.folder, folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK);
    DIR* entries = listed < 0 ? nullptr : ::fdopendir(listed);
    if (!entries) {
        if (listed >= 0) {
            ::close(listed);
        }
        return; // the book's own errors say what is wrong with the folder
    }
    while (const dirent* entry = ::readdir(entries)) {
        // unlink removes a link itself, never what it points at.
        if (std::strlen(entry->d_name) == prefix.size() + kUniqueLength &&
            std::strncmp(entry->d_name, prefix.c_str(), prefix.size()) == 0) {
            ::unlinkat(::dirfd(entries), entry->d_name, 0);
        }
    }
    ::closedir(entries);
}

void ReplacementFile::commit() {
    if (file_.closeNow() != 0 ||
        ::renameat(target_.folder, name_.c_str(), target_.folder, target_.name.c_str()) != 0) {
        throwIoError(errno, target_.path);
    }
    committed_ = true;
}

} // namespace book
