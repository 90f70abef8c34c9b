// The table of contents loader on any plain text: it must end, with or without an
// error, and leave a table whose positions point into the list it made.
#include "book/Contents.h"
#include "book/Errors.h"
#include "book/IntegerText.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    book::Contents contents;
    try {
        book::parseContents(std::string_view(reinterpret_cast<const char*>(data), size), contents);
    } catch (const book::BookError&) {
    }
    const auto items = static_cast<int64_t>(contents.items.size());
    for (int row = 1; row <= book::kChapterRows; ++row) {
        for (int slot = 1; slot < book::kSlotsPerRow; slot += 2) {
            const std::string& position = contents.table.slot(row, slot);
            if (position.empty()) {
                continue;
            }
            const auto value = book::parseInteger(position);
            // A failed load may keep its leading separator, so one more item may stand.
            if (!value || *value < 0 || *value > items) {
                std::abort();
            }
        }
    }
    for (int position = -1; position <= items; ++position) {
        (void)book::findArticle(contents, position);
    }
    return 0;
}
