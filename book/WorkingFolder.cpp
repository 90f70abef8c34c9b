#include "WorkingFolder.h"

#include "Errors.h"

#include <cerrno>
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

WorkingFolder::WorkingFolder(std::string path) : path_(std::move(path)), folder_(-1), parent_(-1) {}

WorkingFolder::WorkingFolder(std::string path, fileio::FileDescriptor folder,
                             fileio::FileDescriptor parent, std::string fresh)
    : path_(std::move(path)), folder_(std::move(folder)), parent_(std::move(parent)),
      fresh_(std::move(fresh)) {}

WorkingFolder::~WorkingFolder() {
    if (parent_.isOpen() && !fresh_.empty()) {
        // Only when empty: what is left in it is not ours to throw away.
        ::unlinkat(parent_.get(), fresh_.c_str(), AT_REMOVEDIR);
    }
}

int WorkingFolder::at() const {
    return held() ? folder_.get() : AT_FDCWD;
}

std::string WorkingFolder::nameOf(const std::string& fileName) const {
    return held() ? fileName : path_ + fileName;
}

Layout layoutOf(const std::string& programFolder) {
    struct stat info {};
    const std::string mark = programFolder + kInstalledMarkName;
    return ::stat(mark.c_str(), &info) == 0 && S_ISREG(info.st_mode) ? Layout::Installed
                                                                     : Layout::Portable;
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

// Why one place for the working folder cannot be used: "PATH: why".
struct Unusable {
    std::string text;
};

[[noreturn]] void unusable(const std::string& folder, const std::string& why) {
    throw Unusable{folder + ": " + why};
}

// A base folder is another user's to rearrange when it is theirs, or when they may write in
// it and it is not sticky: they could put a link of their own in the place of ours. Root's
// sticky folders (/tmp) keep our entries ours. A folder only our group may write in is fine:
// what we hold open below it cannot be swapped.
void requireUsableBase(int folder, const std::string& path) {
    struct stat info {};
    if (::fstat(folder, &info) != 0) {
        unusable(path, std::strerror(errno));
    }
    const bool sticky = (info.st_mode & S_ISVTX) != 0;
    if (info.st_uid != ::geteuid() && !(info.st_uid == 0 && sticky)) {
        unusable(path, "the folder belongs to another user");
    }
    if ((info.st_mode & S_IWOTH) != 0 && !sticky) {
        unusable(path, "other users may write in that folder");
    }
}

fileio::FileDescriptor openBaseFolder(const std::string& base, bool makeWhenMissing) {
    int madeError = 0;
    if (makeWhenMissing) {
        for (size_t slash = base.find('/', 1);; slash = base.find('/', slash + 1)) {
            const std::string folder = base.substr(0, slash);
            if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST && madeError == 0) {
                madeError = errno;
            }
            if (slash == std::string::npos) {
                break;
            }
        }
    }
    // The user's own setting: a link there (a cache moved to another disk) is followed.
    fileio::FileDescriptor folder(::open(base.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.isOpen()) {
        // A folder that could not be made says why, rather than that it is missing.
        unusable(base, std::strerror(errno == ENOENT && madeError != 0 ? madeError : errno));
    }
    requireUsableBase(folder.get(), base);
    return folder;
}

// `name` in `parent`, made when missing, as a folder of the user's own that nobody else may
// write in; never through a link.
fileio::FileDescriptor openPrivateFolder(int parent, const std::string& name,
                                         const std::string& path) {
    if (::mkdirat(parent, name.c_str(), 0700) != 0 && errno != EEXIST) {
        unusable(path, std::strerror(errno));
    }
    fileio::FileDescriptor folder(
        ::openat(parent, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat info {};
    if (!folder.isOpen()) {
        const int error = errno;
        if (::fstatat(parent, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISLNK(info.st_mode)) {
            unusable(path, "it is a link");
        }
        if (error == ENOTDIR) {
            unusable(path, "it is not a folder");
        }
        unusable(path, std::strerror(error));
    }
    if (::fstat(folder.get(), &info) != 0) {
        unusable(path, std::strerror(errno));
    }
    if (info.st_uid != ::geteuid()) {
        unusable(path, "the folder belongs to another user");
    }
    if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
        unusable(path, "other users may write in that folder");
    }
    return folder;
}

// varnel/ID below a base folder of the user's.
std::unique_ptr<WorkingFolder> privateFolderBelow(const std::string& base, bool makeBase,
                                                  const std::string& name) {
    const fileio::FileDescriptor baseFolder = openBaseFolder(base, makeBase);
    const std::string varnelPath = withSlash(base) + "varnel";
    const fileio::FileDescriptor varnel = openPrivateFolder(baseFolder.get(), "varnel", varnelPath);
    const std::string path = varnelPath + "/" + name;
    fileio::FileDescriptor own = openPrivateFolder(varnel.get(), name, path);
    return std::make_unique<WorkingFolder>(path + "/", std::move(own));
}

// A folder of our own made fresh in a shared temporary folder: a name made in advance there
// could be taken by another user first.
std::unique_ptr<WorkingFolder> freshFolderBelow(const std::string& base) {
    fileio::FileDescriptor baseFolder = openBaseFolder(base, false);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = "varnel-" + fileio::uniqueLetters(6);
        if (::mkdirat(baseFolder.get(), name.c_str(), 0700) != 0) {
            if (errno == EEXIST) {
                continue;
            }
            unusable(base, std::strerror(errno));
        }
        const std::string path = withSlash(base) + name;
        fileio::FileDescriptor own = openPrivateFolder(baseFolder.get(), name, path);
        return std::make_unique<WorkingFolder>(path + "/", std::move(own), std::move(baseFolder),
                                               name);
    }
    unusable(base, "no fresh name could be made there");
}

// The book folder held as the working folder when it is the user's and the user may write
// there. Null when it is not.
std::unique_ptr<WorkingFolder> ownBookFolder(const std::string& bookFolder) {
    if (::faccessat(AT_FDCWD, bookFolder.c_str(), W_OK | X_OK, AT_EACCESS) != 0) {
        return nullptr;
    }
    fileio::FileDescriptor folder(
        ::open(bookFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK));
    struct stat info {};
    if (!folder.isOpen()) {
        // One we may write in but not read stays a path; the lock says it cannot be taken.
        return std::make_unique<WorkingFolder>(bookFolder);
    }
    if (::fstat(folder.get(), &info) != 0 || info.st_uid != ::geteuid()) {
        return nullptr;
    }
    return std::make_unique<WorkingFolder>(bookFolder, std::move(folder));
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
    user.temporaryFolder = absoluteFolderFromEnvironment("TMPDIR");
    if (user.temporaryFolder.empty()) {
        user.temporaryFolder = "/tmp";
    }
    return user;
}

std::unique_ptr<WorkingFolder> workingFolderFor(const std::string& bookFolder,
                                                const UserFolders& user, Layout layout) {
    if (layout == Layout::Portable) {
        if (auto own = ownBookFolder(bookFolder)) {
            return own;
        }
    }
    struct stat info {};
    if (::stat(bookFolder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        // Missing, not a folder, or out of reach: the book's own errors say so.
        return std::make_unique<WorkingFolder>(bookFolder);
    }
    char* real = ::realpath(bookFolder.c_str(), nullptr);
    if (!real) {
        return std::make_unique<WorkingFolder>(bookFolder);
    }
    const std::string name = privateFolderNameFor(real);
    std::free(real);

    // Each place in turn; the first that can be used and held is the one.
    std::vector<std::string> reasons;
    const auto attempt = [&](const auto& open) -> std::unique_ptr<WorkingFolder> {
        try {
            return open();
        } catch (const Unusable& why) {
            reasons.push_back(why.text);
            return nullptr;
        }
    };
    std::unique_ptr<WorkingFolder> chosen;
    if (user.runtimeFolder.empty()) {
        reasons.push_back("XDG_RUNTIME_DIR is not set");
    } else {
        // The runtime folder is the session's to make.
        chosen = attempt([&] { return privateFolderBelow(user.runtimeFolder, false, name); });
    }
    if (!chosen) {
        if (user.cacheFolder.empty()) {
            reasons.push_back("neither XDG_CACHE_HOME nor HOME is set");
        } else {
            chosen = attempt([&] { return privateFolderBelow(user.cacheFolder, true, name); });
        }
    }
    if (!chosen && !user.temporaryFolder.empty()) {
        chosen = attempt([&] { return freshFolderBelow(user.temporaryFolder); });
    }
    if (chosen) {
        return chosen;
    }
    std::string message = "The reader cannot keep its working page in a folder of its own: ";
    for (size_t i = 0; i < reasons.size(); ++i) {
        message += (i > 0 ? "; " : "") + reasons[i];
    }
    throw FolderError(message);
}

} // namespace book
