#include "SingleReaderLock.h"

#include "Errors.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>

namespace book {

namespace {

// Close-on-exec, so that the web engine's helper processes never hold the lock.
int openFolder(int at, const std::string& name) {
    return ::openat(at, name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK);
}

// Going on unlocked would let a second reader write, and at its close delete, the page of
// the first.
[[noreturn]] void cannotLock(const std::string& folder, int error) {
    throw FolderError("The reader cannot make sure that it is the only reader of its book: "
                      "the folder " +
                      folder + " cannot be locked: " + std::strerror(error));
}

} // namespace

SingleReaderLock::SingleReaderLock(const std::string& folder)
    : SingleReaderLock(AT_FDCWD, folder, folder) {}

// The folder held itself, opened anew so that the lock is this object's alone.
SingleReaderLock::SingleReaderLock(const WorkingFolder& folder)
    : SingleReaderLock(folder.at(), folder.held() ? "." : folder.path(), folder.path()) {}

SingleReaderLock::SingleReaderLock(int at, const std::string& name, const std::string& folder)
    : folder_(openFolder(at, name)) {
    if (!folder_.isOpen()) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return; // no book there: the book's own errors say so
        }
        cannotLock(folder, errno);
    }
    int result;
    do {
        result = ::flock(folder_.get(), LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result == 0) {
        return;
    }
    const int error = errno;
    folder_.closeNow();
    if (error == EWOULDBLOCK) {
        throw BookInUseError();
    }
    cannotLock(folder, error);
}

} // namespace book
