#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <sys/uio.h>

namespace fileio {

// An open file descriptor, closed on every way out.
class FileDescriptor {
public:
    explicit FileDescriptor(int descriptor) : descriptor_(descriptor) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    FileDescriptor(FileDescriptor&& other) noexcept : descriptor_(other.release()) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    ~FileDescriptor();

    int get() const { return descriptor_; }
    bool isOpen() const { return descriptor_ >= 0; }
    // Closes now, so that a failing close (a delayed write error) is seen: 0 or -1 and errno.
    int closeNow();
    // Hands the descriptor over: this no longer closes it.
    int release() {
        const int descriptor = descriptor_;
        descriptor_ = -1;
        return descriptor;
    }

private:
    int descriptor_;
};

// A write past the process's file size limit fails with EFBIG, which is reported like any
// other failed write, instead of ending the process by SIGXFSZ with its new file half
// written. Called once at start, before any file is written. A handler that does nothing,
// not an ignored signal: programs the reader starts get the default back at exec.
void reportOversizedWritesAsErrors();

// `length` letters and digits, different at every call: for names of new files that must
// not be guessed in advance.
std::string uniqueLetters(size_t length);

// Writes every byte, going on after interruptions. False with errno set on a failure.
bool writeAll(int descriptor, const void* bytes, size_t length);

// Writes the `count` pieces one after the other, as writeAll does, in one call where the
// system takes them all: a small header and trailer cost no calls of their own. The pieces
// are used up as they are written.
bool writeAllPieces(int descriptor, struct iovec* pieces, int count);

// Opens an existing file for reading without ever waiting on a pipe or a device, which
// would hold the reader for good: anything but a regular file is refused. The descriptor,
// or -1 with errno set (EISDIR for a folder, EINVAL for any other file that is not a
// regular one).
int openRegularFileForReading(const char* path);
// The same for `name` in the folder `folder` (AT_FDCWD: the current one).
int openRegularFileForReadingAt(int folder, const char* name);
// The same, with what fstat said of the file opened in `info`.
int openRegularFileForReadingAt(int folder, const char* name, struct stat& info);

// Reads what is there, going on after interruptions: the count (0 at the end) or -1 with
// errno set.
long readSome(int descriptor, void* bytes, size_t length);

// Reads an open regular file no further than the size it reported when opened, nor past
// `largest` bytes. A file that holds more than it reports (one that grows while it is read,
// or a special file that calls itself regular and never ends) and a file above `largest`
// fail with EFBIG, so that no file can fill the memory or the disk of the reader.
class SizedReader {
public:
    static constexpr unsigned long long kNoLimit = ~0ULL;

    // Fails (ok() false, errno set) when the size cannot be had or is above `largest`.
    explicit SizedReader(int descriptor, unsigned long long largest = kNoLimit);
    // For a file whose fstat the caller has at hand.
    SizedReader(int descriptor, const struct stat& info, unsigned long long largest = kNoLimit);

    bool ok() const { return error_ == 0; }
    int error() const { return error_; }
    unsigned long long reportedSize() const { return size_; }

    // Like readSome: the count, 0 at the reported end, or -1 with errno set (EFBIG for a file
    // that goes on past it).
    long next(void* bytes, size_t length);
    // Every byte of the reported size has been read; only a read that finds nothing more
    // proves that the file ends there.
    bool readReportedSize() const { return done_ >= size_; }

private:
    int descriptor_;
    int error_ = 0;
    unsigned long long size_ = 0;
    unsigned long long done_ = 0;
};

// Reads `descriptor`, a regular file, to its end a block at a time, handing each block to
// `take`, within the bounds of a SizedReader. Returns 0, the errno of a read that failed,
// or the first non-zero value `take` returns, which ends the reading there.
int readInBlocks(int descriptor, const std::function<int(const char* bytes, size_t length)>& take,
                 unsigned long long largest = SizedReader::kNoLimit);

// The whole of a regular file of at most `largest` bytes, appended to `text`: 0, or the
// errno of what failed.
int readWholeFile(const std::string& path, std::string& text,
                  unsigned long long largest = SizedReader::kNoLimit);
// The same for `name` in the folder `folder`.
int readWholeFileAt(int folder, const std::string& name, std::string& text,
                    unsigned long long largest = SizedReader::kNoLimit);

// What stopped a copy: nothing, reading the source, or writing the target.
struct CopyResult {
    enum Step { Done, Reading, Writing } step = Done;
    int error = 0;
};

// Copies `from` to its end into `to`.
CopyResult copyAll(int from, int to);

} // namespace fileio
