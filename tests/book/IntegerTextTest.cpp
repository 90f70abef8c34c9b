#include "book/IntegerText.h"
#include "book/Errors.h"

#include <gtest/gtest.h>

namespace {

struct IntegerCase {
    const char* text;
    std::optional<int32_t> value;
};

std::ostream& operator<<(std::ostream& out, const IntegerCase& c) {
    return out << '"' << c.text << '"';
}

class IntegerReading : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(IntegerReading, ReadsAsTheConversionDoes) {
    EXPECT_EQ(book::parseInteger(GetParam().text), GetParam().value)
        << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Table, IntegerReading,
    ::testing::Values(IntegerCase{"7", 7}, IntegerCase{"007", 7}, IntegerCase{"+12", 12},
                      IntegerCase{"-3", -3}, IntegerCase{"   42", 42}, IntegerCase{"$1F", 31},
                      IntegerCase{"x10", 16}, IntegerCase{"X10", 16}, IntegerCase{"0x1a", 26},
                      IntegerCase{"0XfF", 255}, IntegerCase{"0xFFFFFFFF", -1},
                      IntegerCase{"0x000000010", 16}, IntegerCase{"2147483647", 2147483647},
                      IntegerCase{"-2147483648", INT32_MIN}, IntegerCase{"2147483648", {}},
                      IntegerCase{"-2147483649", {}}, IntegerCase{"0x100000000", {}},
                      IntegerCase{"", {}}, IntegerCase{"   ", {}}, IntegerCase{"+", {}},
                      IntegerCase{"-", {}}, IntegerCase{"$", {}}, IntegerCase{"0x", {}},
                      IntegerCase{"12a", {}}, IntegerCase{"12 ", {}}, IntegerCase{"\t12", {}},
                      IntegerCase{"12\t", {}}, IntegerCase{"1 2", {}}, IntegerCase{"-0x10", {}},
                      IntegerCase{"+$10", {}}, IntegerCase{"$G", {}}, IntegerCase{"- 1", {}},
                      IntegerCase{"99999999999999999999", {}}));

TEST(StrToInt, RaisesConvertErrorQuotingTheText) {
    EXPECT_EQ(book::StrToInt(" 15"), 15);
    try {
        book::StrToInt("Title ");
        FAIL();
    } catch (const book::ConvertError& error) {
        EXPECT_STREQ(error.what(), "'Title ' is not a valid integer value");
    }
}

TEST(StrToInt, QuotesAtMostTwoHundredCharactersOfAHugeLine) {
    const std::pair<std::string, std::string> table[] = {
        {std::string(200, 'x'), std::string(200, 'x')},
        {std::string(201, 'x'), std::string(200, 'x') + "\x85"}, // "…" in windows-1251
        {std::string(100000, '\xC0'), std::string(200, '\xC0') + "\x85"},
    };
    for (const auto& [line, quoted] : table) {
        try {
            book::StrToInt(line);
            FAIL();
        } catch (const book::ConvertError& error) {
            EXPECT_EQ(error.what(), "'" + quoted + "' is not a valid integer value") << line.size();
        }
    }
}

} // namespace
