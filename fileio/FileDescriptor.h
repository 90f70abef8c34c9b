#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace fileio {

// An open file descriptor, closed on every way out.
class FileDescriptor {
public:
    explicit FileDescriptor(int descriptor) : descriptor_(descriptor) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor();

    int get() const { return descriptor_; }
    bool isOpen() const { return descriptor_ >= 0; }
    // Closes now, so that a failing close (a delayed write error) is seen: 0 or -1 and errno.
    int closeNow();

private:
    int descriptor_;
};

// Writes every byte, going on after interruptions. False with errno set on a failure.
bool writeAll(int descriptor, const void* bytes, size_t length);

// Opens an existing file for reading without ever waiting on a pipe or a device, which
// would hold the reader for good: anything but a regular file is refused. The descriptor,
// or -1 with errno set (EISDIR for a folder, EINVAL for any other file that is not a
// regular one).
int openRegularFileForReading(const char* path);

// Reads what is there, going on after interruptions: the count (0 at the end) or -1 with
// errno set.
long readSome(int descriptor, void* bytes, size_t length);

// Reads `descriptor` to its end a block at a time, handing each block to `take`. Returns 0,
// the errno of a read that failed, or the first non-zero value `take` returns, which ends
// the reading there.
int readInBlocks(int descriptor, const std::function<int(const char* bytes, size_t length)>& take);

// The whole of a regular file, appended to `text`: 0, or the errno of what failed.
int readWholeFile(const std::string& path, std::string& text);

// What stopped a copy: nothing, reading the source, or writing the target.
struct CopyResult {
    enum Step { Done, Reading, Writing } step = Done;
    int error = 0;
};

// Copies `from` to its end into `to`.
CopyResult copyAll(int from, int to);

} // namespace fileio
