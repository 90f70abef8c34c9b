#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace book {

// The signed 32-bit reading of a text: optional leading spaces, then either an optional
// sign and decimal digits inside the 32-bit range, or "$", "x", "X", "0x" or "0X" and
// hexadecimal digits of at most 32 bits. Nothing may follow the digits.
std::optional<int32_t> parseInteger(std::string_view text);

// As parseInteger, raising "'text' is not a valid integer value" when it is none.
int32_t StrToInt(const std::string& text);

} // namespace book
