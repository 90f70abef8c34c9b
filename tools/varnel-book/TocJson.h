#pragma once

#include <string>

namespace booktool {

// Loads a stored table of contents file the way the reader does, in memory, and gives
// the outcome as one JSON object. Returns whether loading ended without an error.
bool contentsAsJson(const std::string& storedFile, std::string& json);

} // namespace booktool
