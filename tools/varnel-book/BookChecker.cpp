#include "BookChecker.h"

#include "Cp1251.h"

#include "book/Book.h"
#include "book/CodePage.h"
#include "book/Contents.h"
#include "book/Errors.h"
#include "book/Folders.h"
#include "book/Scrambling.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <set>

namespace fs = std::filesystem;

namespace booktool {

namespace {

struct EntryPlace {
    int chapter;
    std::string anchor; // 8-bit, as stored
    int line;
};

class EntryRecorder : public book::ContentsListener {
public:
    void chapterRead(int chapter, int line) override {
        entries.push_back({chapter, std::string(book::kTopAnchor), line});
        highestChapter = std::max(highestChapter, chapter);
    }
    void articleRead(int chapter, const std::string& anchor, int line) override {
        entries.push_back({chapter, anchor, line});
    }

    std::vector<EntryPlace> entries;
    int highestChapter = 0;
};

bool isNameByte(char c) {
    return c != '"' && c != '\'' && c != '>' && c != ' ' && c != '\t' && c != '\r' && c != '\n';
}

// The names a page defines with name= or id=, quoted or not.
std::set<std::string> anchorsDefinedIn(const std::string& page) {
    std::set<std::string> names;
    for (const std::string_view attribute : {"name=", "id="}) {
        for (size_t at = page.find(attribute); at != std::string::npos;
             at = page.find(attribute, at + 1)) {
            if (at > 0 && isNameByte(page[at - 1]) && page[at - 1] != '<' && page[at - 1] != '/') {
                continue; // part of a longer attribute name, such as "classname="
            }
            size_t start = at + attribute.size();
            char quote = 0;
            if (start < page.size() && (page[start] == '"' || page[start] == '\'')) {
                quote = page[start++];
            }
            size_t end = start;
            while (end < page.size() && (quote ? page[end] != quote : isNameByte(page[end]))) {
                ++end;
            }
            names.insert(page.substr(start, end - start));
        }
    }
    return names;
}

// The code page a page declares with charset=, lower-cased; empty when it declares none.
std::string declaredCharset(const std::string& page) {
    std::string lower(page);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const size_t at = lower.find("charset");
    if (at == std::string::npos) {
        return {};
    }
    size_t start = lower.find_first_not_of(" \t\r\n", at + 7);
    if (start == std::string::npos || lower[start] != '=') {
        return {};
    }
    start = lower.find_first_not_of(" \t\r\n\"'", start + 1);
    if (start == std::string::npos) {
        return {};
    }
    const size_t end = lower.find_first_of(" \t\r\n\"';>/", start);
    return lower.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

bool isBookCodePage(const std::string& charset) {
    return charset == book::kBookCodePage || charset == "cp1251" || charset == "x-cp1251";
}

struct ChapterPage {
    std::set<std::string> anchors;
    std::string charset;
};

// Why the web view would not land on a name the page defines, when the anchor is handed
// over as written; empty when it would.
std::string whyAnchorCannotLand(const std::string& name, const ChapterPage& page,
                                const std::string& pageFile) {
    if (name.find('\0') != std::string::npos) {
        return "holds a NUL byte, which no page address can carry";
    }
    const size_t directive = name.find(":~:");
    if (directive != std::string::npos) {
        // The web view takes ":~:" for the start of a text to search for.
        return "holds \":~:\", where the web view cuts the anchor off: it would land at \"#" +
               cp1251ToUtf8(name.substr(0, directive)) + "\"";
    }
    const bool onlyAscii = std::all_of(name.begin(), name.end(),
                                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (!onlyAscii && !isBookCodePage(page.charset)) {
        return "holds letters outside ASCII, but " + pageFile +
               (page.charset.empty() ? " declares no charset"
                                     : " declares the charset " + page.charset) +
               ": the web view may read the page in another code page and miss the name";
    }
    return {};
}

} // namespace

std::vector<std::string> checkBook(const std::string& bookFolder) {
    std::vector<std::string> findings;
    book::Book reader;
    reader.fixFolders(fs::path(bookFolder).string() + "/");
    const std::string contentsFile = book::kContentsFileName;
    // A chapter's page as the findings name it: its path below the folder checked.
    const auto pageFile = [&reader](int chapter) {
        return reader.chapterFilePath(chapter).substr(reader.programFolder().size());
    };

    book::Contents contents;
    EntryRecorder entries;
    try {
        const std::string plain = book::descramble(book::readWholeFile(reader.contentsFilePath()));
        book::parseContents(plain, contents, &entries);
    } catch (const book::BookError& error) {
        findings.push_back(contentsFile + ": " + cp1251ToUtf8(error.what()));
    }

    std::map<int, ChapterPage> pageOfChapter;
    std::set<int> missingChapters;
    for (const EntryPlace& entry : entries.entries) {
        const std::string where = contentsFile + ":" + std::to_string(entry.line) + ": ";
        if (missingChapters.count(entry.chapter)) {
            continue;
        }
        if (!pageOfChapter.count(entry.chapter)) {
            try {
                const std::string page =
                    book::descramble(book::readWholeFile(reader.chapterFilePath(entry.chapter)));
                pageOfChapter[entry.chapter] = {anchorsDefinedIn(page), declaredCharset(page)};
            } catch (const book::BookError& error) {
                findings.push_back(where + "chapter " + std::to_string(entry.chapter) + ": page " +
                                   pageFile(entry.chapter) + " cannot be read: " + error.what());
                missingChapters.insert(entry.chapter);
                continue;
            }
        }
        std::string anchor = cp1251ToUtf8(entry.anchor);
        for (size_t nul = anchor.find('\0'); nul != std::string::npos; nul = anchor.find('\0')) {
            anchor.replace(nul, 1, "\\0");
        }
        if (entry.anchor.empty() || entry.anchor.front() != '#') {
            findings.push_back(where + "anchor line \"" + anchor + "\" does not start with \"#\"");
            continue;
        }
        const ChapterPage& page = pageOfChapter[entry.chapter];
        const std::string name = entry.anchor.substr(1);
        if (!page.anchors.count(name)) {
            findings.push_back(where + "anchor \"" + anchor + "\" is not defined in " +
                               pageFile(entry.chapter));
            continue;
        }
        const std::string why = whyAnchorCannotLand(name, page, pageFile(entry.chapter));
        if (!why.empty()) {
            findings.push_back(where + "anchor \"" + anchor + "\" " + why);
        }
    }

    if (!entries.entries.empty() && contents.chapterCount < entries.highestChapter) {
        findings.push_back(contentsFile + ": the count line (" +
                           std::to_string(contents.chapterCount) +
                           ") is below the highest chapter number (" +
                           std::to_string(entries.highestChapter) + ")");
    }
    return findings;
}

} // namespace booktool
