#pragma once

#include <stdexcept>
#include <string>

namespace book {

// Every failure of the book library is one of these. Messages are 8-bit text in the
// book's code page (CP1251): a title quoted in a message keeps its bytes.
class BookError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file operation failed; the code picks the fixed message.
class InOutError : public BookError {
public:
    explicit InOutError(int code);
    int code() const { return code_; }

    static std::string messageFor(int code);

private:
    int code_;
};

// A text that had to be an integer was not one. At most its first kMaxQuotedLength
// characters are quoted, followed by "…".
inline constexpr size_t kMaxQuotedLength = 200;

class ConvertError : public BookError {
public:
    explicit ConvertError(const std::string& text);
};

// A list was asked for an item it does not have.
class ListIndexError : public BookError {
public:
    explicit ListIndexError(int index);
};

// The program's own folder cannot be found, and with it neither can the book.
class ProgramFolderError : public BookError {
public:
    using BookError::BookError;
};

// Another reader has the book open: both would write the one working page.
class BookInUseError : public BookError {
public:
    BookInUseError();
};

// A folder the reader writes in cannot be used. Not a BookError: the message names the
// folder, whose name is in the file system's encoding rather than the book's code page.
class FolderError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The table of contents asks for more than the chapter table can hold.
class BookLimitError : public BookError {
public:
    using BookError::BookError;
};

// Input/output codes the book files meet.
enum IoCode : int {
    kFileNotFound = 2,
    kInvalidFilename = 3,
    kTooManyOpenFiles = 4,
    kAccessDenied = 5,
    kReadBeyondEnd = 100,
    kDiskFull = 101,
    kInvalidNumericInput = 106,
};

// Maps an errno value met while opening, reading or writing `path` to an input/output code.
int ioCodeForErrno(int error, const std::string& path);

// Throws the input/output error for an errno value met on `path`.
[[noreturn]] void throwIoError(int error, const std::string& path);

// The text the error display shows: a full stop is added when the last character
// sorts above ".".
std::string displayText(const std::string& message);

} // namespace book
