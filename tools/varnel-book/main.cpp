// varnel-book: packs, unpacks, checks and reads books for the Varnel reader.
#include "BookChecker.h"
#include "BookPacker.h"
#include "TocJson.h"

#include <cstring>
#include <iostream>
#include <string>

namespace {

constexpr int kBadArguments = 2;

int usage() {
    std::cerr << "usage:\n"
                 "  varnel-book toc --json FILE   print what the reader loads from a table of\n"
                 "                                contents file, as JSON\n"
                 "  varnel-book pack SRC OUT      pack readable sources (contents.txt, N.htm,\n"
                 "                                assets) into OUT/data.nvb and OUT/data/\n"
                 "  varnel-book unpack BOOK OUT   turn a packed book back into sources\n"
                 "  varnel-book check BOOK        report every problem the reader would meet\n";
    return kBadArguments;
}

int runToc(const std::string& file) {
    std::string json;
    const bool loaded = booktool::contentsAsJson(file, json);
    std::cout << json << '\n';
    return loaded ? 0 : 1;
}

int runCheck(const std::string& bookFolder) {
    const auto findings = booktool::checkBook(bookFolder);
    for (const std::string& finding : findings) {
        std::cerr << finding << '\n';
    }
    if (findings.empty()) {
        std::cout << "The book is sound.\n";
        return 0;
    }
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return usage();
    }
    const std::string command = argv[1];
    try {
        if (command == "toc" && argc == 4 && std::strcmp(argv[2], "--json") == 0) {
            return runToc(argv[3]);
        }
        if (command == "pack" && argc == 4) {
            booktool::packBook(argv[2], argv[3]);
            return 0;
        }
        if (command == "unpack" && argc == 4) {
            booktool::unpackBook(argv[2], argv[3]);
            return 0;
        }
        if (command == "check" && argc == 3) {
            return runCheck(argv[2]);
        }
    } catch (const std::exception& error) {
        std::cerr << "varnel-book: " << error.what() << '\n';
        return 1;
    }
    return usage();
}
