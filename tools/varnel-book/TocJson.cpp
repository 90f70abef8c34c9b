#include "TocJson.h"

#include "Cp1251.h"

#include "book/Book.h"
#include "book/Contents.h"
#include "book/Errors.h"
#include "book/Scrambling.h"

#include <cstdio>

namespace booktool {

namespace {

void appendJsonString(std::string& json, const std::string& utf8) {
    json.push_back('"');
    for (const char c : utf8) {
        switch (c) {
        case '"':
            json += "\\\"";
            break;
        case '\\':
            json += "\\\\";
            break;
        case '\n':
            json += "\\n";
            break;
        case '\r':
            json += "\\r";
            break;
        case '\t':
            json += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
                json += escaped;
            } else {
                json.push_back(c);
            }
        }
    }
    json.push_back('"');
}

void appendBookText(std::string& json, const std::string& bytes) {
    appendJsonString(json, cp1251ToUtf8(bytes));
}

} // namespace

bool contentsAsJson(const std::string& storedFile, std::string& json) {
    book::Contents contents;
    std::string error;
    bool loaded = true;
    try {
        const std::string plain = book::descramble(book::readWholeFile(storedFile));
        book::parseContents(plain, contents);
    } catch (const book::BookError& failure) {
        error = failure.what();
        loaded = false;
    }

    json = "{\"items\": [";
    for (size_t i = 0; i < contents.items.size(); ++i) {
        if (i > 0) {
            json += ", ";
        }
        appendBookText(json, contents.items[i]);
    }
    json += "], \"rows\": {";
    bool firstRow = true;
    for (int row = 1; row <= book::kChapterRows; ++row) {
        if (contents.table.rowIsEmpty(row)) {
            continue;
        }
        json += firstRow ? "\"" : ", \"";
        firstRow = false;
        json += std::to_string(row) + "\": [";
        for (int slot = 1; slot <= book::kSlotsPerRow; ++slot) {
            if (slot > 1) {
                json += ", ";
            }
            appendBookText(json, contents.table.slot(row, slot));
        }
        json += "]";
    }
    json += "}, \"count\": " + std::to_string(contents.chapterCount) + ", \"error\": ";
    if (loaded) {
        json += "null";
    } else {
        appendBookText(json, error);
    }
    json += "}";
    return loaded;
}

} // namespace booktool
