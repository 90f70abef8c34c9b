// make-bench-book: writes the synthetic books the benchmarks time.
//   make-bench-book book FOLDER        the largest book in the reader's layout
//   make-bench-book stored FILE MIB    one stored book file of MIB mebibytes
#include "SyntheticBook.h"

#include "book/Book.h"
#include "book/Contents.h"
#include "book/Scrambling.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>

namespace {

int usage() {
    std::fprintf(stderr, "usage: make-bench-book book FOLDER\n"
                         "       make-bench-book stored FILE MIB\n");
    return 2;
}

// Reads the written book back the way the reader does, so a generator slip shows here and
// not as a puzzling figure later.
void describeBook(const std::string& folder) {
    book::Book layout;
    layout.fixFolders(folder + "/");
    const std::string contentsFile = layout.contentsFilePath();
    book::Contents contents;
    book::parseContents(book::descramble(book::readWholeFile(contentsFile)), contents);
    uintmax_t chapterBytes = 0;
    int chapterFiles = 0;
    for (int chapter = 1; chapter <= contents.chapterCount; ++chapter) {
        chapterBytes += std::filesystem::file_size(layout.chapterFilePath(chapter));
        ++chapterFiles;
    }
    const size_t expectedItems =
        static_cast<size_t>(benchbook::kChapters) * (benchbook::kArticlesPerChapter + 2) - 1;
    if (contents.items.size() != expectedItems || chapterFiles != benchbook::kChapters) {
        throw std::runtime_error("the book reads back with " +
                                 std::to_string(contents.items.size()) + " list items and " +
                                 std::to_string(chapterFiles) + " chapters");
    }
    std::printf("%s: %zu list items, table of contents %ju bytes, %d chapter files of %.1f KiB "
                "on average\n",
                folder.c_str(), contents.items.size(),
                static_cast<uintmax_t>(std::filesystem::file_size(contentsFile)), chapterFiles,
                double(chapterBytes) / chapterFiles / 1024.0);
}

} // namespace

int main(int argc, char** argv) {
    try {
        const std::string command = argc > 1 ? argv[1] : "";
        if (command == "book" && argc == 3) {
            benchbook::writeBook(argv[2]);
            describeBook(argv[2]);
            return 0;
        }
        if (command == "stored" && argc == 4) {
            const long mebibytes = std::strtol(argv[3], nullptr, 10);
            if (mebibytes <= 0) {
                return usage();
            }
            const size_t bytes = static_cast<size_t>(mebibytes) << 20;
            benchbook::writeFile(argv[2], benchbook::storedForm(benchbook::longText(bytes)));
            return 0;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make-bench-book: %s\n", error.what());
        return 1;
    }
    return usage();
}
