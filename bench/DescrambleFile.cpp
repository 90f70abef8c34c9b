// descramble-file: decodes one stored book file with the reader's own decoder, so that a
// whole process can be timed against cp on the same file.
//   descramble-file [--wrap] STORED PLAIN
#include "book/Scrambling.h"

#include <cstdio>
#include <cstring>
#include <exception>

int main(int argc, char** argv) {
    const bool wrap = argc == 4 && std::strcmp(argv[1], "--wrap") == 0;
    if (argc != 3 && !wrap) {
        std::fprintf(stderr, "usage: descramble-file [--wrap] STORED PLAIN\n");
        return 2;
    }
    try {
        book::decodeBookFile(argv[argc - 2], argv[argc - 1], wrap);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "descramble-file: %s\n", error.what());
        return 1;
    }
    return 0;
}
