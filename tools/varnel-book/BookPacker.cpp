#include "BookPacker.h"

#include "Cp1251.h"

#include "book/Book.h"
#include "book/CodePage.h"
#include "book/Errors.h"
#include "book/Folders.h"
#include "book/Scrambling.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <regex>

namespace fs = std::filesystem;

namespace booktool {

namespace {

constexpr const char* kContentsSource = "contents.txt";
constexpr const char* kChapterSourceExtension = ".htm";
// Notes for the book's writers (the style guide) stay beside the sources.
constexpr const char* kWritersNoteExtension = ".md";
// In a page, the one letter whose stored form would end the file goes in as a reference.
constexpr std::string_view kLetterOfEndMark = "\xd1\x98"; // U+0458 in UTF-8
constexpr std::string_view kLetterOfEndMarkReference = "&#1112;";

std::string readFile(const fs::path& path) {
    try {
        return book::readWholeFile(path.string());
    } catch (const book::BookError& error) {
        throw PackError(path.string() + ": " + error.what());
    }
}

void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        throw PackError(path.string() + ": cannot be written");
    }
}

std::string replaceAll(std::string text, std::string_view what, std::string_view with) {
    for (size_t at = text.find(what); at != std::string::npos;
         at = text.find(what, at + with.size())) {
        text.replace(at, what.size(), with);
    }
    return text;
}

// Converts line by line so that a refusal can name its line.
std::string toBookCodePage(const std::string& utf8, const fs::path& file) {
    std::string converted;
    converted.reserve(utf8.size());
    size_t lineStart = 0;
    int line = 1;
    while (lineStart <= utf8.size()) {
        const size_t lineEnd = utf8.find('\n', lineStart);
        const size_t length =
            (lineEnd == std::string::npos ? utf8.size() : lineEnd + 1) - lineStart;
        const std::string_view text(utf8.data() + lineStart, length);
        const auto bytes = utf8ToCp1251(text);
        if (!bytes) {
            throw PackError(file.string() + ":" + std::to_string(line) +
                            ": a character here has no place in the book's code page (" +
                            book::kBookCodePage + ")");
        }
        if (bytes->find(static_cast<char>(book::kPlainByteOfEndMark)) != std::string::npos) {
            throw PackError(file.string() + ":" + std::to_string(line) +
                            ": the letter U+0458 cannot be stored in a book file");
        }
        converted += *bytes;
        if (lineEnd == std::string::npos) {
            break;
        }
        lineStart = lineEnd + 1;
        ++line;
    }
    return converted;
}

// A chapter's file, readable or stored: its number and the extension given.
bool isChapterFile(const fs::path& file, const char* extension) {
    static const std::regex number("[1-9][0-9]*");
    return file.extension() == extension && std::regex_match(file.stem().string(), number);
}

int chapterNumberOf(const fs::path& page) {
    const std::string number = page.stem().string();
    int chapter = 0;
    const auto [end, error] =
        std::from_chars(number.data(), number.data() + number.size(), chapter);
    if (error != std::errc() || end != number.data() + number.size()) {
        throw PackError(page.string() + ": the chapter number is too large");
    }
    return chapter;
}

void makeFolder(const fs::path& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        throw PackError(folder.string() + ": " + error.message());
    }
}

void copyAsset(const fs::path& from, const fs::path& to) {
    std::error_code error;
    fs::copy_file(from, to, fs::copy_options::overwrite_existing, error);
    if (error) {
        throw PackError(from.string() + ": cannot be copied: " + error.message());
    }
}

} // namespace

void packBook(const std::string& sourceFolder, const std::string& outFolder) {
    const fs::path source(sourceFolder);
    const fs::path out(outFolder);
    const fs::path contentsSource = source / kContentsSource;
    if (!fs::is_regular_file(contentsSource)) {
        throw PackError(contentsSource.string() + ": no table of contents");
    }
    book::Book packed;
    packed.fixFolders(out.string() + "/");
    makeFolder(packed.bookFolder());

    writeFile(packed.contentsFilePath(),
              book::scramble(toBookCodePage(readFile(contentsSource), contentsSource)));

    for (const auto& entry : fs::directory_iterator(source)) {
        if (!entry.is_regular_file()) {
            continue;
        }
        const std::string name = entry.path().filename().string();
        if (name == kContentsSource || entry.path().extension() == kWritersNoteExtension) {
            continue;
        }
        if (isChapterFile(entry.path(), kChapterSourceExtension)) {
            const std::string page =
                replaceAll(readFile(entry.path()), kLetterOfEndMark, kLetterOfEndMarkReference);
            const std::string stored = book::scramble(toBookCodePage(page, entry.path()));
            writeFile(packed.chapterFilePath(chapterNumberOf(entry.path())), stored);
        } else {
            copyAsset(entry.path(), fs::path(packed.bookFolder()) / name);
        }
    }
}

void unpackBook(const std::string& bookFolder, const std::string& outFolder) {
    book::Book stored;
    stored.fixFolders(fs::path(bookFolder).string() + "/");
    const fs::path out(outFolder);
    makeFolder(out);
    writeFile(out / kContentsSource,
              cp1251ToUtf8(book::descramble(readFile(stored.contentsFilePath()))));

    const fs::path data(stored.bookFolder());
    if (!fs::is_directory(data)) {
        throw PackError(data.string() + ": no book folder");
    }
    for (const auto& entry : fs::directory_iterator(data)) {
        if (!entry.is_regular_file()) {
            continue;
        }
        const std::string name = entry.path().filename().string();
        if (name == book::kWorkingPageName) {
            continue; // a reader's leftover, not part of the book
        }
        if (isChapterFile(entry.path(), book::kChapterFileExtension)) {
            writeFile(out / (entry.path().stem().string() + kChapterSourceExtension),
                      cp1251ToUtf8(book::descramble(readFile(entry.path()))));
        } else {
            copyAsset(entry.path(), out / name);
        }
    }
}

} // namespace booktool
