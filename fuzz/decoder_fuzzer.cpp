// The decoder on any stored bytes, in memory and through files: both must give the XOR
// of everything before the first end mark, wrapped when asked.
#include "book/Errors.h"
#include "book/Scrambling.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace {

std::string expectedPlain(const uint8_t* data, size_t size) {
    std::string plain;
    for (size_t i = 0; i < size && data[i] != 0x1A; ++i) {
        plain.push_back(static_cast<char>(data[i] ^ 0xA6));
    }
    return plain;
}

std::string readAll(const std::string& path) {
    std::string text;
    FILE* file = std::fopen(path.c_str(), "rb");
    char block[4096];
    size_t got = 0;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0) {
        text.append(block, got);
    }
    std::fclose(file);
    return text;
}

const std::string& scratchFolder() {
    static const std::string folder = [] {
        char pattern[] = "/tmp/varnel-fuzz-XXXXXX";
        return std::string(::mkdtemp(pattern)) + "/";
    }();
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string plain = expectedPlain(data, size);
    if (book::descramble(std::string_view(reinterpret_cast<const char*>(data), size)) != plain) {
        std::abort();
    }
    const std::string source = scratchFolder() + "1.nvb";
    const std::string target = scratchFolder() + "vaxilog.htm";
    FILE* file = std::fopen(source.c_str(), "wb");
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    const bool wrap = size % 2 == 1;
    book::decodeBookFile(source, target, wrap);
    const std::string expected = wrap ? "<html>\r\n" + plain + "</html>\r\n" : plain;
    if (readAll(target) != expected) {
        std::abort();
    }
    return 0;
}
