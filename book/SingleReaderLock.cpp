#include "SingleReaderLock.h"

#include "Errors.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>

namespace book {

namespace {

// Close-on-exec, so that the web engine's helper processes never hold the lock.
int openFolder(const std::string& folder) {
    return ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK);
}

} // namespace

SingleReaderLock::SingleReaderLock(const std::string& bookFolder)
    : folder_(openFolder(bookFolder)) {
    if (!folder_.isOpen()) {
        return;
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
}

} // namespace book
