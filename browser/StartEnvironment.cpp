#include "StartEnvironment.h"

#include <QDesktopServices>
#include <QUrl>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <optional>
#include <string>
#include <unistd.h>

extern char** environ;

namespace browser {

namespace {

using Environment = std::map<std::string, std::string>;

Environment currentEnvironment() {
    Environment variables;
    for (char** entry = environ; entry && *entry; ++entry) {
        const char* equals = std::strchr(*entry, '=');
        if (equals) {
            variables.emplace(std::string(*entry, static_cast<size_t>(equals - *entry)),
                              std::string(equals + 1));
        }
    }
    return variables;
}

// What the process was started with: the kernel keeps it apart from what setenv makes.
// Where it cannot be read, nothing is changed.
Environment readStartEnvironment() {
    const int file = ::open("/proc/self/environ", O_RDONLY | O_CLOEXEC);
    if (file < 0) {
        return currentEnvironment();
    }
    std::string block;
    char bytes[4096];
    ssize_t got;
    while ((got = ::read(file, bytes, sizeof bytes)) > 0 || (got < 0 && errno == EINTR)) {
        if (got > 0) {
            block.append(bytes, static_cast<size_t>(got));
        }
    }
    ::close(file);
    if (got < 0) {
        return currentEnvironment();
    }
    Environment variables;
    for (size_t start = 0; start < block.size();) {
        size_t end = block.find('\0', start);
        if (end == std::string::npos) {
            end = block.size();
        }
        const size_t equals = block.find('=', start);
        if (equals < end) {
            variables.emplace(block.substr(start, equals - start),
                              block.substr(equals + 1, end - equals - 1));
        }
        start = end + 1;
    }
    return variables;
}

const Environment& startEnvironment() {
    static const Environment variables = readStartEnvironment();
    return variables;
}

// Only what differs is changed, through setenv and unsetenv, and put back at the end.
class StartEnvironmentInPlace {
public:
    StartEnvironmentInPlace() {
        const Environment& started = startEnvironment();
        const Environment now = currentEnvironment();
        for (const auto& [name, value] : now) {
            const auto start = started.find(name);
            if (start == started.end()) {
                changed_.emplace(name, value);
                ::unsetenv(name.c_str());
            } else if (start->second != value) {
                changed_.emplace(name, value);
                ::setenv(name.c_str(), start->second.c_str(), 1);
            }
        }
        for (const auto& [name, value] : started) {
            if (now.count(name) == 0) {
                changed_.emplace(name, std::nullopt);
                ::setenv(name.c_str(), value.c_str(), 1);
            }
        }
    }
    ~StartEnvironmentInPlace() {
        for (const auto& [name, value] : changed_) {
            if (value) {
                ::setenv(name.c_str(), value->c_str(), 1);
            } else {
                ::unsetenv(name.c_str());
            }
        }
    }
    StartEnvironmentInPlace(const StartEnvironmentInPlace&) = delete;
    StartEnvironmentInPlace& operator=(const StartEnvironmentInPlace&) = delete;

private:
    std::map<std::string, std::optional<std::string>> changed_;
};

} // namespace

bool openWithTheDesktop(const QUrl& url) {
    const StartEnvironmentInPlace start;
    return QDesktopServices::openUrl(url);
}

} // namespace browser
