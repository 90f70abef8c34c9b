#include "Contents.h"

#include "Errors.h"
#include "IntegerText.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace book {

bool ChapterTable::rowIsEmpty(int row) const {
    const auto& slots = rows_.at(row - 1);
    return std::all_of(slots.begin(), slots.end(), [](const std::string& s) { return s.empty(); });
}

namespace {

constexpr char kLineFeed = '\n';
constexpr char kCarriageReturn = '\r';
constexpr char kEndMark = '\x1A';
constexpr size_t kMaxTokenLength = 32;

// Line-wise reading of a plain table of contents. A line ends at LF; a CR before the LF
// or standing alone is not part of the line. A 0x1A at the start of a line ends the text.
class ContentsText {
public:
    explicit ContentsText(std::string_view text) : text_(text.substr(0, logicalEnd(text))) {}

    bool ended() const { return position_ >= text_.size(); }
    int lineNumber() const { return line_; }

    std::string readLine() {
        std::string line;
        if (ended()) {
            return line;
        }
        const char* start = text_.data() + position_;
        const void* found = std::memchr(start, kLineFeed, text_.size() - position_);
        const size_t length = found ? static_cast<size_t>(static_cast<const char*>(found) - start)
                                    : text_.size() - position_;
        line.reserve(length);
        for (size_t i = 0; i < length; ++i) {
            if (start[i] != kCarriageReturn) {
                line.push_back(start[i]);
            }
        }
        consume(length + (found ? 1 : 0));
        return line;
    }

    // Skips control bytes and blanks, then reads up to 32 bytes above 0x20.
    std::string readToken() {
        while (!ended() && static_cast<unsigned char>(text_[position_]) <= 0x20) {
            consume(1);
        }
        tokenLine_ = line_;
        std::string token;
        while (!ended() && token.size() < kMaxTokenLength &&
               static_cast<unsigned char>(text_[position_]) > 0x20) {
            token.push_back(text_[position_]);
            consume(1);
        }
        return token;
    }

    void skipRestOfLine() { readLine(); }
    int lineOfLastToken() const { return tokenLine_; }

private:
    static size_t logicalEnd(std::string_view text) {
        if (!text.empty() && text.front() == kEndMark) {
            return 0;
        }
        const char marker[] = {kLineFeed, kEndMark};
        const auto found = text.find(std::string_view(marker, 2));
        return found == std::string_view::npos ? text.size() : found + 1;
    }

    void consume(size_t count) {
        line_ += static_cast<int>(std::count(text_.begin() + static_cast<long>(position_),
                                             text_.begin() + static_cast<long>(position_ + count),
                                             kLineFeed));
        position_ += count;
    }

    std::string_view text_;
    size_t position_ = 0;
    int line_ = 1;
    int tokenLine_ = 1;
};

std::string formatLimit(const char* pattern, int first, int second) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, pattern, first, second);
    return buffer;
}

std::string formatLimit(const char* pattern, int first) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, pattern, first);
    return buffer;
}

std::string listPositionOfNextItem(const Contents& contents) {
    return std::to_string(static_cast<long>(contents.items.size()) - 1);
}

} // namespace

void parseContents(std::string_view plainText, Contents& contents, ContentsListener* listener) {
    ContentsText text(plainText);
    contents.items.clear();
    contents.chapterCount = 0;

    std::string lastLine;
    int nextArticleSlot = 3;
    while (!text.ended()) {
        const int lineNumber = text.lineNumber();
        std::string line = text.readLine();
        lastLine = line;
        if (line == kChapterMarker) {
            contents.items.emplace_back(kSeparatorItem);
            const std::string token = text.readToken();
            const int numberLine = text.lineOfLastToken();
            text.skipRestOfLine();
            const auto number = parseInteger(token);
            if (!number) {
                throw InOutError(kInvalidNumericInput);
            }
            if (*number < 1 || *number > kChapterRows) {
                throw BookLimitError(formatLimit(
                    "Chapter number %d is out of range 1..50 (line %d)", *number, numberLine));
            }
            contents.chapterCount = *number;
            std::string title = text.readLine();
            lastLine = title;
            contents.table.setSlot(*number, 1, listPositionOfNextItem(contents));
            contents.table.setSlot(*number, 2, std::string(kTopAnchor));
            contents.items.push_back(std::move(title));
            nextArticleSlot = 3;
            if (listener) {
                listener->chapterRead(*number, numberLine);
            }
        } else if (line == kArticleMarker) {
            const int row = contents.chapterCount;
            if (row == 0) {
                throw BookLimitError(
                    formatLimit("Article before the first chapter (line %d)", lineNumber));
            }
            if (nextArticleSlot > kSlotsPerRow - 1) {
                throw BookLimitError(
                    formatLimit("Chapter %d has more than 24 articles (line %d)", row, lineNumber));
            }
            std::string anchor = text.readLine();
            contents.table.setSlot(row, nextArticleSlot, listPositionOfNextItem(contents));
            contents.table.setSlot(row, nextArticleSlot + 1, anchor);
            std::string title = text.readLine();
            lastLine = title;
            contents.items.push_back(std::string(kArticleIndent) + title);
            nextArticleSlot += 2;
            if (listener) {
                listener->articleRead(row, anchor, lineNumber + 1);
            }
        }
    }

    if (contents.items.empty()) {
        throw ListIndexError(0);
    }
    if (contents.items.front() == kSeparatorItem) {
        contents.items.erase(contents.items.begin());
    }
    contents.chapterCount = StrToInt(lastLine);
}

std::optional<ArticleLocation> findArticle(const Contents& contents, int listPosition) {
    const int rows = std::min(contents.chapterCount, kChapterRows);
    for (int row = 1; row <= rows; ++row) {
        for (int slot = 1; slot < kSlotsPerRow; slot += 2) {
            const std::string& text = contents.table.slot(row, slot);
            if (text.empty()) {
                continue;
            }
            const auto position = parseInteger(text);
            if (position && *position == listPosition) {
                return ArticleLocation{row, contents.table.slot(row, slot + 1)};
            }
        }
    }
    return std::nullopt;
}

} // namespace book
