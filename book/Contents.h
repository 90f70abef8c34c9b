#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace book {

inline constexpr int kChapterRows = 50;
inline constexpr int kSlotsPerRow = 50;
inline constexpr int kMaxArticlesPerChapter = (kSlotsPerRow - 2) / 2;

inline constexpr std::string_view kChapterMarker = "[vkladka]";
inline constexpr std::string_view kArticleMarker = "[pro]";
inline constexpr std::string_view kSeparatorItem = " ";
inline constexpr std::string_view kArticleIndent = "     ";
inline constexpr std::string_view kTopAnchor = "#toppage";

// Rows 1..50 (chapter numbers) by slots 1..50. Odd slots hold list positions in decimal,
// the even slot after each holds that entry's anchor.
class ChapterTable {
public:
    const std::string& slot(int row, int slot) const { return rows_.at(row - 1).at(slot - 1); }
    void setSlot(int row, int slot, std::string text) {
        rows_.at(row - 1).at(slot - 1) = std::move(text);
    }
    bool rowIsEmpty(int row) const;

private:
    std::array<std::array<std::string, kSlotsPerRow>, kChapterRows> rows_;
};

// What the reader knows of its book once the table of contents is loaded.
struct Contents {
    std::vector<std::string> items; // the list's entries, 8-bit text
    ChapterTable table;
    int chapterCount = 0;
};

// Told where each entry stands, for tools that report by line.
class ContentsListener {
public:
    virtual ~ContentsListener() = default;
    virtual void chapterRead(int chapter, int line) = 0;
    virtual void articleRead(int chapter, const std::string& anchor, int line) = 0;
};

// Reads a plain table of contents into `contents`. On an error the exception leaves
// `contents` exactly as far as loading got.
void parseContents(std::string_view text, Contents& contents, ContentsListener* listener = nullptr);

struct ArticleLocation {
    int chapter;
    std::string anchor;
};

// Finds the chapter and anchor of a list position: rows 1 up to the chapter count, odd
// slots in order, first match wins.
std::optional<ArticleLocation> findArticle(const Contents& contents, int listPosition);

} // namespace book
