#include "BookChecker.h"

#include "Cp1251.h"

#include "book/Book.h"
#include "book/Contents.h"
#include "book/Errors.h"
#include "book/Folders.h"
#include "book/Scrambling.h"

#include <algorithm>
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

} // namespace

std::vector<std::string> checkBook(const std::string& bookFolder) {
    std::vector<std::string> findings;
    book::Book reader;
    reader.fixFolders(fs::path(bookFolder).string() + "/");
    const std::string contentsFile = std::string("data.nvb");

    book::Contents contents;
    EntryRecorder entries;
    try {
        const std::string plain = book::descramble(book::readWholeFile(reader.contentsFilePath()));
        book::parseContents(plain, contents, &entries);
    } catch (const book::BookError& error) {
        findings.push_back(contentsFile + ": " + cp1251ToUtf8(error.what()));
    }

    std::map<int, std::set<std::string>> anchorsOfChapter;
    std::set<int> missingChapters;
    for (const EntryPlace& entry : entries.entries) {
        const std::string where = contentsFile + ":" + std::to_string(entry.line) + ": ";
        if (missingChapters.count(entry.chapter)) {
            continue;
        }
        if (!anchorsOfChapter.count(entry.chapter)) {
            try {
                const std::string page =
                    book::descramble(book::readWholeFile(reader.chapterFilePath(entry.chapter)));
                anchorsOfChapter[entry.chapter] = anchorsDefinedIn(page);
            } catch (const book::BookError& error) {
                findings.push_back(where + "chapter " + std::to_string(entry.chapter) +
                                   ": page data/" + std::to_string(entry.chapter) +
                                   ".nvb cannot be read: " + error.what());
                missingChapters.insert(entry.chapter);
                continue;
            }
        }
        const std::string anchor = cp1251ToUtf8(entry.anchor);
        if (entry.anchor.empty() || entry.anchor.front() != '#') {
            findings.push_back(where + "anchor line \"" + anchor + "\" does not start with \"#\"");
            continue;
        }
        if (!anchorsOfChapter[entry.chapter].count(entry.anchor.substr(1))) {
            findings.push_back(where + "anchor \"" + anchor + "\" is not defined in data/" +
                               std::to_string(entry.chapter) + ".nvb");
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
