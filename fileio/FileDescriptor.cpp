#include "FileDescriptor.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fileio {

FileDescriptor::~FileDescriptor() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
}

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
        if (descriptor_ >= 0) {
            ::close(descriptor_);
        }
        descriptor_ = other.release();
    }
    return *this;
}

int FileDescriptor::closeNow() {
    const int result = ::close(descriptor_);
    descriptor_ = -1;
    return result;
}

namespace {

void noticeOversizedWrite(int) {}

} // namespace

void reportOversizedWritesAsErrors() {
    struct sigaction action {};
    action.sa_handler = noticeOversizedWrite;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGXFSZ, &action, nullptr);
}

std::string uniqueLetters(size_t length) {
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static std::atomic<unsigned long long> calls{0};
    std::string random(length, '\0');
    if (::getrandom(random.data(), length, GRND_NONBLOCK) != static_cast<ssize_t>(length)) {
        // Early in boot the pool may not be ready: still different at every call.
        timespec now{};
        ::clock_gettime(CLOCK_REALTIME, &now);
        unsigned long long mix = static_cast<unsigned long long>(now.tv_nsec) ^
                                 (static_cast<unsigned long long>(::getpid()) << 32) ^
                                 (calls++ * 0x9E3779B97F4A7C15ull);
        for (char& byte : random) {
            mix = mix * 6364136223846793005ull + 1442695040888963407ull;
            byte = static_cast<char>(mix >> 56);
        }
    }
    for (char& byte : random) {
        byte = letters[static_cast<unsigned char>(byte) % (sizeof letters - 1)];
    }
    return random;
}

bool writeAll(int descriptor, const void* bytes, size_t length) {
    const char* next = static_cast<const char*>(bytes);
    while (length > 0) {
        const ssize_t written = ::write(descriptor, next, length);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        next += written;
        length -= static_cast<size_t>(written);
    }
    return true;
}

bool writeAllPieces(int descriptor, struct iovec* pieces, int count) {
    for (;;) {
        while (count > 0 && pieces->iov_len == 0) {
            ++pieces;
            --count;
        }
        if (count == 0) {
            return true;
        }
        ssize_t written = ::writev(descriptor, pieces, count);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        // A short write (a full disk, a size limit) ends inside some piece: go on from there.
        for (; count > 0 && static_cast<size_t>(written) >= pieces->iov_len; ++pieces, --count) {
            written -= static_cast<ssize_t>(pieces->iov_len);
        }
        if (count > 0) {
            pieces->iov_base = static_cast<char*>(pieces->iov_base) + written;
            pieces->iov_len -= static_cast<size_t>(written);
        }
    }
}

int openRegularFileForReading(const char* path) {
    return openRegularFileForReadingAt(AT_FDCWD, path);
}

int openRegularFileForReadingAt(int folder, const char* name) {
    struct stat info {};
    return openRegularFileForReadingAt(folder, name, info);
}

int openRegularFileForReadingAt(int folder, const char* name, struct stat& info) {
    // O_NONBLOCK: opening a pipe with no writer would wait here for good.
    const int descriptor = ::openat(folder, name, O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (descriptor < 0) {
        return -1;
    }
    int error = 0;
    if (::fstat(descriptor, &info) != 0) {
        error = errno;
    } else if (!S_ISREG(info.st_mode)) {
        error = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
    }
    if (error != 0) {
        ::close(descriptor);
        errno = error;
        return -1;
    }
    return descriptor;
}

long readSome(int descriptor, void* bytes, size_t length) {
    for (;;) {
        const ssize_t got = ::read(descriptor, bytes, length);
        if (got >= 0 || errno != EINTR) {
            return static_cast<long>(got);
        }
    }
}

SizedReader::SizedReader(int descriptor, unsigned long long largest) : descriptor_(descriptor) {
    struct stat info {};
    if (::fstat(descriptor, &info) != 0) {
        error_ = errno;
        return;
    }
    *this = SizedReader(descriptor, info, largest);
}

SizedReader::SizedReader(int descriptor, const struct stat& info, unsigned long long largest)
    : descriptor_(descriptor) {
    if (info.st_size < 0 || static_cast<unsigned long long>(info.st_size) > largest) {
        error_ = EFBIG;
        errno = EFBIG;
    } else {
        size_ = static_cast<unsigned long long>(info.st_size);
    }
}

long SizedReader::next(void* bytes, size_t length) {
    if (error_ != 0) {
        errno = error_;
        return -1;
    }
    // One byte more than is left, so that a file going on past its end is seen at once.
    const unsigned long long left = size_ - done_;
    const size_t asked = left < length ? static_cast<size_t>(left) + 1 : length;
    const long got = readSome(descriptor_, bytes, asked);
    if (got < 0) {
        return -1;
    }
    done_ += static_cast<unsigned long long>(got);
    if (done_ > size_) {
        error_ = EFBIG;
        errno = EFBIG;
        return -1;
    }
    return got;
}

int readInBlocks(int descriptor, const std::function<int(const char* bytes, size_t length)>& take,
                 unsigned long long largest) {
    SizedReader reader(descriptor, largest);
    char block[64 * 1024];
    for (;;) {
        const long got = reader.next(block, sizeof block);
        if (got < 0) {
            return errno;
        }
        if (got == 0) {
            return 0;
        }
        if (const int stop = take(block, static_cast<size_t>(got))) {
            return stop;
        }
    }
}

int readWholeFile(const std::string& path, std::string& text, unsigned long long largest) {
    return readWholeFileAt(AT_FDCWD, path, text, largest);
}

int readWholeFileAt(int folder, const std::string& name, std::string& text,
                    unsigned long long largest) {
    FileDescriptor file(openRegularFileForReadingAt(folder, name.c_str()));
    if (!file.isOpen()) {
        return errno;
    }
    return readInBlocks(
        file.get(),
        [&text](const char* bytes, size_t length) {
            text.append(bytes, length);
            return 0;
        },
        largest);
}

CopyResult copyAll(int from, int to) {
    int writeError = 0;
    const int error = readInBlocks(from, [&](const char* bytes, size_t length) {
        if (!writeAll(to, bytes, length)) {
            writeError = errno;
        }
        return writeError;
    });
    if (writeError != 0) {
        return {CopyResult::Writing, writeError};
    }
    return error == 0 ? CopyResult{} : CopyResult{CopyResult::Reading, error};
}

} // namespace fileio
