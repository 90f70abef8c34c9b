#include "Folders.h"

#include "Errors.h"

#include "fileio/FileDescriptor.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace book {

namespace {

[[noreturn]] void cannotFindProgramFolder(const std::string& link, const std::string& why) {
    throw ProgramFolderError("The reader cannot find its own folder, where its book lies: the "
                             "running program's path, " +
                             link + ", " + why);
}

} // namespace

std::string programFolderOf(const std::string& programPath) {
    const auto slash = programPath.find_last_of('/');
    return slash == std::string::npos ? std::string() : programPath.substr(0, slash + 1);
}

std::string programFolderFromLink(const std::string& link) {
    std::vector<char> buffer(PATH_MAX);
    for (;;) {
        const ssize_t length = ::readlink(link.c_str(), buffer.data(), buffer.size());
        if (length < 0) {
            cannotFindProgramFolder(link, std::string("cannot be read: ") + std::strerror(errno));
        }
        if (static_cast<size_t>(length) < buffer.size()) {
            const std::string folder =
                programFolderOf(std::string(buffer.data(), static_cast<size_t>(length)));
            // Anything else would make the book a folder relative to wherever we stand.
            if (folder.empty() || folder.front() != '/') {
                cannotFindProgramFolder(link, "names no absolute path");
            }
            return folder;
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::string GetProgramFolder() {
    return programFolderFromLink("/proc/self/exe");
}

std::string bookFolderOf(const std::string& programFolder) {
    return programFolder + "data/";
}

std::string chapterFileName(int chapter) {
    return std::to_string(chapter) + kChapterFileExtension;
}

} // namespace book
