#include "Scrambling.h"

#include "Errors.h"
#include "FileDescriptor.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace book {

namespace {

constexpr size_t kBlockSize = 256 * 1024;
constexpr std::string_view kWrapOpen = "<html>\r\n";
constexpr std::string_view kWrapClose = "</html>\r\n";

// Kept free of early exits so that the compiler turns it into vector code.
void xorBlock(unsigned char* bytes, size_t length) {
    for (size_t i = 0; i < length; ++i) {
        bytes[i] ^= kScrambleKey;
    }
}

void writeOrThrow(int descriptor, const unsigned char* bytes, size_t length,
                  const std::string& path) {
    if (!writeAll(descriptor, bytes, length)) {
        throwIoError(errno, path);
    }
}

size_t readOrThrow(int descriptor, unsigned char* bytes, size_t length, const std::string& path) {
    const long got = readSome(descriptor, bytes, length);
    if (got < 0) {
        throwIoError(errno, path);
    }
    return static_cast<size_t>(got);
}

} // namespace

size_t descrambleInPlace(unsigned char* bytes, size_t length) {
    const void* mark = std::memchr(bytes, kStoredEndMark, length);
    const size_t textLength =
        mark ? static_cast<size_t>(static_cast<const unsigned char*>(mark) - bytes) : length;
    xorBlock(bytes, textLength);
    return textLength;
}

std::string descramble(std::string_view stored) {
    std::string plain(stored);
    auto* bytes = reinterpret_cast<unsigned char*>(plain.data());
    plain.resize(descrambleInPlace(bytes, plain.size()));
    return plain;
}

std::string scramble(std::string_view plain) {
    std::string stored(plain);
    xorBlock(reinterpret_cast<unsigned char*>(stored.data()), stored.size());
    return stored;
}

void decodeBookFile(const std::string& source, const std::string& target, bool wrap) {
    FileDescriptor in(::open(source.c_str(), O_RDONLY | O_CLOEXEC));
    if (in.get() < 0) {
        throwIoError(errno, source);
    }
    // A folder opens like a file here but fails at the first read; refuse it before the
    // working page is replaced, so the page shown last stays whole.
    struct stat sourceInfo {};
    if (::fstat(in.get(), &sourceInfo) == 0 && S_ISDIR(sourceInfo.st_mode)) {
        throwIoError(EISDIR, source);
    }
    FileDescriptor out(::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (out.get() < 0) {
        throwIoError(errno, target);
    }
    ::posix_fadvise(in.get(), 0, 0, POSIX_FADV_SEQUENTIAL);

    // Room in front of the block for the opening wrapper line, so it goes out with the
    // first block in one write.
    const size_t headroom = kWrapOpen.size();
    std::unique_ptr<unsigned char[]> buffer(new unsigned char[headroom + kBlockSize]);
    unsigned char* block = buffer.get() + headroom;
    const unsigned char* pending = block;
    size_t pendingLength = 0;
    if (wrap) {
        pending = block - kWrapOpen.size();
        std::memcpy(const_cast<unsigned char*>(pending), kWrapOpen.data(), kWrapOpen.size());
        pendingLength = kWrapOpen.size();
    }

    bool ended = false;
    while (!ended) {
        const size_t got = readOrThrow(in.get(), block, kBlockSize, source);
        if (got == 0) {
            break;
        }
        const size_t text = descrambleInPlace(block, got);
        ended = text < got;
        writeOrThrow(out.get(), pending, pendingLength + text, target);
        pending = block;
        pendingLength = 0;
    }
    if (pendingLength > 0) {
        writeOrThrow(out.get(), pending, pendingLength, target);
    }
    if (wrap) {
        writeOrThrow(out.get(), reinterpret_cast<const unsigned char*>(kWrapClose.data()),
                     kWrapClose.size(), target);
    }
    in.closeNow();
    if (out.closeNow() != 0) {
        throwIoError(errno, target);
    }
}

} // namespace book
