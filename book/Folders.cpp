#include "Folders.h"

#include <climits>
#include <unistd.h>
#include <vector>

namespace book {

std::string programFolderOf(const std::string& programPath) {
    const auto slash = programPath.find_last_of('/');
    return slash == std::string::npos ? std::string() : programPath.substr(0, slash + 1);
}

std::string GetProgramFolder() {
    std::vector<char> buffer(PATH_MAX);
    for (;;) {
        const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) {
            return "./";
        }
        if (static_cast<size_t>(length) < buffer.size()) {
            return programFolderOf(std::string(buffer.data(), static_cast<size_t>(length)));
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::string bookFolderOf(const std::string& programFolder) {
    return programFolder + "data/";
}

} // namespace book
