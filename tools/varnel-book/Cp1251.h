#pragma once

#include "book/CodePage.h"

#include <optional>
#include <string>
#include <string_view>

namespace booktool {

using book::kBookCodePage;

std::string cp1251ToUtf8(std::string_view bytes);

// The CP1251 bytes of a UTF-8 text, or nothing when a character has no place in CP1251.
std::optional<std::string> utf8ToCp1251(std::string_view text);

} // namespace booktool
