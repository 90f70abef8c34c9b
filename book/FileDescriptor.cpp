#include "FileDescriptor.h"

#include <cerrno>
#include <unistd.h>

namespace book {

FileDescriptor::~FileDescriptor() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
}

int FileDescriptor::closeNow() {
    const int result = ::close(descriptor_);
    descriptor_ = -1;
    return result;
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

long readSome(int descriptor, void* bytes, size_t length) {
    for (;;) {
        const ssize_t got = ::read(descriptor, bytes, length);
        if (got >= 0 || errno != EINTR) {
            return static_cast<long>(got);
        }
    }
}

} // namespace book
