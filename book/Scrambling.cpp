#include "Scrambling.h"

#include "Errors.h"
#include "ReplacementFile.h"
#include "fileio/FileDescriptor.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/uio.h>
#include <unistd.h>

namespace book {

namespace {

constexpr size_t kBlockSize = 256 * 1024;
constexpr std::string_view kWrapOpen = "<html>\r\n";
constexpr std::string_view kWrapClose = "</html>\r\n";

// Kept free of early exits so that the compiler turns it into vector code; on x86-64 in a
// version for the wider vectors too, picked once at load on processors that have them.
#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target_clones("avx2", "default")))
#endif
void xorBlock(unsigned char* bytes, size_t length) {
    for (size_t i = 0; i < length; ++i) {
        bytes[i] ^= kScrambleKey;
    }
}

size_t readOrThrow(fileio::SizedReader& reader, unsigned char* bytes, size_t length,
                   const std::string& path) {
    const long got = reader.next(bytes, length);
    if (got < 0) {
        throwIoError(errno, path);
    }
    return static_cast<size_t>(got);
}

} // namespace

size_t descrambleInPlace(unsigned char* bytes, size_t length) {
    // A piece at a time, so that the search for the end mark and the XOR find the same bytes
    // in the first-level cache instead of each going through the whole block.
    constexpr size_t kPiece = 16 * 1024;
    for (size_t done = 0; done < length;) {
        const size_t piece = std::min(kPiece, length - done);
        const void* mark = std::memchr(bytes + done, kStoredEndMark, piece);
        const size_t text =
            mark ? static_cast<size_t>(static_cast<const unsigned char*>(mark) - (bytes + done))
                 : piece;
        xorBlock(bytes + done, text);
        done += text;
        if (mark) {
            return done;
        }
    }
    return length;
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
    decodeBookFile(source, FileInFolder::atPath(target), wrap);
}

void decodeBookFile(const std::string& source, FileInFolder targetFile, bool wrap) {
    const std::string target = targetFile.path;
    // Refused before the target is touched: a missing source, a folder, a pipe or a device.
    struct stat info {};
    fileio::FileDescriptor in(fileio::openRegularFileForReadingAt(AT_FDCWD, source.c_str(), info));
    if (!in.isOpen()) {
        throwIoError(errno, source);
    }
    fileio::SizedReader reader(in.get(), info, kLargestBookFile);
    if (!reader.ok()) {
        throwIoError(reader.error(), source);
    }
    ReplacementFile out(std::move(targetFile));
    // A chapter is read in one go; asking for more read-ahead would only cost a call.
    if (reader.reportedSize() > kBlockSize) {
        ::posix_fadvise(in.get(), 0, 0, POSIX_FADV_SEQUENTIAL);
    }

    // The block starts on a cache line: the kernel's copy of the file into a block a few
    // bytes off one was measured at half the speed, which made a whole-process decode twice as
    // slow as cp. Kept from one call to the next, so that no opening pays for mapping a fresh
    // one.
    constexpr size_t kAlignment = 64;
    thread_local std::unique_ptr<unsigned char[]> buffer(
        new unsigned char[kAlignment + kBlockSize]);
    const auto start = reinterpret_cast<std::uintptr_t>(buffer.get());
    unsigned char* block = buffer.get() + (kAlignment - start % kAlignment) % kAlignment;

    // The wrapper lines go out in the same write as the text beside them: for a chapter,
    // read in one go, the whole page is one write.
    std::string_view opening = wrap ? kWrapOpen : std::string_view();
    for (;;) {
        const size_t got = readOrThrow(reader, block, kBlockSize, source);
        const size_t text = descrambleInPlace(block, got);
        bool last = got == 0 || text < got;
        if (!last && reader.readReportedSize()) {
            // Nothing more, or the file went on past its size, which throws.
            unsigned char more = 0;
            last = readOrThrow(reader, &more, 1, source) == 0;
        }
        const std::string_view closing = wrap && last ? kWrapClose : std::string_view();
        iovec pieces[] = {{const_cast<char*>(opening.data()), opening.size()},
                          {block, text},
                          {const_cast<char*>(closing.data()), closing.size()}};
        if (!fileio::writeAllPieces(out.descriptor(), pieces, 3)) {
            throwIoError(errno, target);
        }
        if (last) {
            break;
        }
        opening = {};
    }
    in.closeNow();
    out.commit();
}

} // namespace book
