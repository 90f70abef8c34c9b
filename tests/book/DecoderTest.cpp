#include "book/Errors.h"
#include "book/Scrambling.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

using book::decodeBookFile;

struct ByteRule {
    const char* name;
    std::string stored;
    bool wrap;
    std::string expected;
};

std::ostream& operator<<(std::ostream& out, const ByteRule& rule) {
    return out << rule.name;
}

class DecoderByteRules : public ::testing::TestWithParam<ByteRule> {};

TEST_P(DecoderByteRules, WorkingPageHoldsExpectedBytes) {
    TempFolder folder;
    const auto source = folder.write("1.nvb", GetParam().stored);
    const auto target = folder.path() / "vaxilog.htm";
    decodeBookFile(source.string(), target.string(), GetParam().wrap);
    EXPECT_EQ(readFileBytes(target), GetParam().expected);
}

std::string allBytesButEndMarkForm() {
    std::string plain;
    for (int value = 0; value < 256; ++value) {
        if (value != book::kPlainByteOfEndMark) {
            plain.push_back(static_cast<char>(value));
        }
    }
    return plain;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, DecoderByteRules,
    ::testing::Values(ByteRule{"EmptyUnwrapped", "", false, ""},
                      ByteRule{"EmptyWrapped", "", true, "<html>\r\n</html>\r\n"},
                      ByteRule{"FirstByteEndMark", "\x1A" + scrambled("lost"), false, ""},
                      ByteRule{"FirstByteEndMarkWrapped", "\x1A" + scrambled("lost"), true,
                               "<html>\r\n</html>\r\n"},
                      ByteRule{"BytesAfterEndMarkDropped",
                               scrambled("kept") + "\x1A" + scrambled("lost"), false, "kept"},
                      ByteRule{"LineFeedOnlyKept", scrambled("a\nb\n"), true,
                               "<html>\r\na\nb\n</html>\r\n"},
                      ByteRule{"CarriageReturnsKept", scrambled("a\r\nb\rc"), false, "a\r\nb\rc"},
                      ByteRule{"EveryOtherByteValue", scrambled(allBytesButEndMarkForm()), false,
                               allBytesButEndMarkForm()}),
    [](const auto& info) { return info.param.name; });

TEST(Decoder, LargeFileAcrossManyBlocksStopsAtLateEndMark) {
    std::string plain;
    for (int i = 0; plain.size() < 3 * 1024 * 1024 + 17; ++i) {
        plain += "line " + std::to_string(i) + "\r\n";
    }
    TempFolder folder;
    const auto source = folder.write("big.nvb", scrambled(plain) + "\x1A" + scrambled("tail"));
    const auto target = folder.path() / "page.htm";
    decodeBookFile(source.string(), target.string(), true);
    EXPECT_EQ(readFileBytes(target), "<html>\r\n" + plain + "</html>\r\n");
}

TEST(Decoder, MissingSourceLeavesWorkingPageUntouched) {
    TempFolder folder;
    const auto target = folder.write("vaxilog.htm", "previous page");
    try {
        decodeBookFile((folder.path() / "9.nvb").string(), target.string(), true);
        FAIL() << "a missing source must fail";
    } catch (const book::InOutError& error) {
        EXPECT_EQ(error.code(), 2);
        EXPECT_STREQ(error.what(), "File not found");
    }
    EXPECT_EQ(readFileBytes(target), "previous page");
}

TEST(Decoder, ReplacesLongerOldPageWhole) {
    TempFolder folder;
    const auto target = folder.write("vaxilog.htm", std::string(10000, 'x'));
    const auto source = folder.write("1.nvb", scrambled("short"));
    decodeBookFile(source.string(), target.string(), false);
    EXPECT_EQ(readFileBytes(target), "short");
}

TEST(Decoder, MissingTargetFolderIsInvalidFilename) {
    TempFolder folder;
    const auto source = folder.write("data.nvb", scrambled("x"));
    try {
        decodeBookFile(source.string(), (folder.path() / "data" / "vaxilog.htm").string(), false);
        FAIL() << "a missing folder must fail";
    } catch (const book::InOutError& error) {
        EXPECT_STREQ(error.what(), "Invalid filename");
    }
}

TEST(Decoder, FolderAsSourceLeavesWorkingPageWhole) {
    TempFolder folder;
    std::filesystem::create_directory(folder.path() / "3.nvb");
    const auto target = folder.write("vaxilog.htm", "old page");
    try {
        decodeBookFile((folder.path() / "3.nvb").string(), target.string(), true);
        FAIL() << "a folder is no book file";
    } catch (const book::InOutError& error) {
        EXPECT_STREQ(error.what(), "File access denied");
    }
    EXPECT_EQ(readFileBytes(target), "old page");
}

TEST(Descramble, InMemoryMatchesFileRules) {
    EXPECT_EQ(book::descramble(scrambled("abc") + "\x1A" + scrambled("def")), "abc");
    EXPECT_EQ(book::descramble(book::scramble("round trip\r\n")), "round trip\r\n");
}

} // namespace
