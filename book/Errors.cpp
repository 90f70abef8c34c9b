#include "Errors.h"

#include <cerrno>
#include <sys/stat.h>

namespace book {

InOutError::InOutError(int code) : BookError(messageFor(code)), code_(code) {}

std::string InOutError::messageFor(int code) {
    switch (code) {
    case kFileNotFound:
        return "File not found";
    case kInvalidFilename:
        return "Invalid filename";
    case kTooManyOpenFiles:
        return "Too many open files";
    case kAccessDenied:
        return "File access denied";
    case kReadBeyondEnd:
        return "Read beyond end of file";
    case kDiskFull:
        return "Disk full";
    case kInvalidNumericInput:
        return "Invalid numeric input";
    default:
        return "I/O error " + std::to_string(code);
    }
}

namespace {

// A whole line of any length would make a message box taller than the screen.
std::string quoted(const std::string& text) {
    if (text.size() <= kMaxQuotedLength) {
        return text;
    }
    return text.substr(0, kMaxQuotedLength) + "\x85"; // "…" in the book's code page
}

} // namespace

ConvertError::ConvertError(const std::string& text)
    : BookError("'" + quoted(text) + "' is not a valid integer value") {}

BookInUseError::BookInUseError()
    : BookError("The book is already open in another window of the reader") {}

ListIndexError::ListIndexError(int index)
    : BookError("List index out of bounds (" + std::to_string(index) + ")") {}

namespace {

bool folderOfPathExists(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return true; // the current folder
    }
    const std::string folder = slash == 0 ? std::string("/") : path.substr(0, slash);
    struct stat info {};
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

int ioCodeForErrno(int error, const std::string& path) {
    switch (error) {
    case ENOENT:
        return folderOfPathExists(path) ? kFileNotFound : kInvalidFilename;
    case ENOTDIR:
        return kInvalidFilename;
    case EMFILE:
    case ENFILE:
        return kTooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: // a folder where a file belongs can be neither read nor created
    case EINVAL: // nor can a pipe or a device, which book files are never read from
        return kAccessDenied;
    case ENOSPC:
        return kDiskFull;
    default:
        return error;
    }
}

void throwIoError(int error, const std::string& path) {
    throw InOutError(ioCodeForErrno(error, path));
}

std::string displayText(const std::string& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') {
        return message + ".";
    }
    return message;
}

} // namespace book
