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

namespace {

// A relative folder would depend on where the reader was started from.
std::string absoluteFolderFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value && value[0] == '/' ? std::string(value) : std::string();
}

std::string withSlash(std::string folder) {
    if (folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

// One folder per book folder, so that a portable copy of the book and the installed one
// never share a page. FNV-1a of the book folder's real path.
std::string privateFolderNameFor(const std::string& realBookFolder) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const unsigned char byte : realBookFolder) {
        hash ^= byte;
        hash *= 1099511628211ull;
    }
    char name[17];
    std::snprintf(name, sizeof name, "%016llx", static_cast<unsigned long long>(hash));
    return name;
}

[[noreturn]] void refuseWorkingFolder(const std::string& folder, const std::string& why) {
    throw FolderError("The reader cannot keep its working page in " + folder + ": " + why);
}

// Another user who could write in a folder of the path could put a folder of their own,
// or a link, in the place of ours; a sticky folder such as /tmp keeps our entries ours.
void requireNoStrangerWrites(int folder, const std::string& path) {
    struct stat info {};
    if (::fstat(folder, &info) != 0) {
        refuseWorkingFolder(path, std::strerror(errno));
    }
    if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0 && (info.st_mode & S_ISVTX) == 0) {
        refuseWorkingFolder(path, "other users may write in that folder");
    }
}

int openBaseFolder(const std::string& base, bool makeWhenMissing) {
    if (makeWhenMissing) {
        for (size_t slash = base.find('/', 1); slash != std::string::npos;
             slash = base.find('/', slash + 1)) {
            ::mkdir(base.substr(0, slash).c_str(), 0700);
        }
        ::mkdir(base.c_str(), 0700);
    }
    // The user's own setting: a link there (a cache moved to another disk) is followed.
    return ::open(base.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

// `name` in `parent`, made when missing, as a folder of the user's own that nobody else may
// write in; never through a link.
int openPrivateFolder(int parent, const std::string& name, const std::string& path) {
    if (::mkdirat(parent, name.c_str(), 0700) != 0 && errno != EEXIST) {
        refuseWorkingFolder(path, std::strerror(errno));
    }
    fileio::FileDescriptor folder(
        ::openat(parent, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat info {};
    if (!folder.isOpen()) {
        const int error = errno;
        if (::fstatat(parent, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISLNK(info.st_mode)) {
            refuseWorkingFolder(path, "it is a link");
        }
        if (error == ENOTDIR) {
            refuseWorkingFolder(path, "it is not a folder");
        }
        refuseWorkingFolder(path, std::strerror(error));
    }
    if (::fstat(folder.get(), &info) != 0) {
        refuseWorkingFolder(path, std::strerror(errno));
    }
    if (info.st_uid != ::geteuid()) {
        refuseWorkingFolder(path, "the folder belongs to another user");
    }
    if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
        refuseWorkingFolder(path, "other users may write in that folder");
    }
    const int kept = ::fcntl(folder.get(), F_DUPFD_CLOEXEC, 0);
    if (kept < 0) {
        refuseWorkingFolder(path, std::strerror(errno));
    }
    return kept;
}

} // namespace

UserFolders UserFolders::fromEnvironment() {
    UserFolders user;
    user.runtimeFolder = absoluteFolderFromEnvironment("XDG_RUNTIME_DIR");
    user.cacheFolder = absoluteFolderFromEnvironment("XDG_CACHE_HOME");
    if (user.cacheFolder.empty()) {
        std::string home = absoluteFolderFromEnvironment("HOME");
        if (home.empty()) {
            const passwd* entry = ::getpwuid(::geteuid());
            if (entry && entry->pw_dir && entry->pw_dir[0] == '/') {
                home = entry->pw_dir;
            }
        }
        if (!home.empty()) {
            user.cacheFolder = withSlash(home) + ".cache";
        }
    }
    return user;
}

std::string workingFolderFor(const std::string& bookFolder, const UserFolders& user) {
    if (::faccessat(AT_FDCWD, bookFolder.c_str(), W_OK | X_OK, AT_EACCESS) == 0) {
        return bookFolder;
    }
    if (errno != EACCES && errno != EPERM && errno != EROFS) {
        return bookFolder; // missing, or not a folder: the book's own errors say so
    }
    char* real = ::realpath(bookFolder.c_str(), nullptr);
    if (!real) {
        return bookFolder; // cannot be reached: neither can its chapters
    }
    const std::string name = privateFolderNameFor(real);
    std::free(real);

    const bool runtime = !user.runtimeFolder.empty();
    const std::string& base = runtime ? user.runtimeFolder : user.cacheFolder;
    if (base.empty()) {
        throw FolderError("The reader cannot write in its book folder, " + bookFolder +
                          ", and finds no folder of its user's own: neither XDG_RUNTIME_DIR "
                          "nor HOME is set");
    }
    // The runtime folder is the session's to make; a cache folder is made when missing.
    const fileio::FileDescriptor baseFolder(openBaseFolder(base, !runtime));
    if (!baseFolder.isOpen()) {
        refuseWorkingFolder(base, std::strerror(errno));
    }
    requireNoStrangerWrites(baseFolder.get(), base);
    const std::string varnelPath = withSlash(base) + "varnel";
    const fileio::FileDescriptor varnel(openPrivateFolder(baseFolder.get(), "varnel", varnelPath));
    const std::string path = varnelPath + "/" + name;
    const fileio::FileDescriptor own(openPrivateFolder(varnel.get(), name, path));
    return path + "/";
}

} // namespace book
