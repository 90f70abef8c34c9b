#pragma once

#include <QString>
#include <stdexcept>

namespace browser {

// A failure of the window itself (the web view, saving), with a message for the user.
class WindowError : public std::runtime_error {
public:
    explicit WindowError(const QString& message);
};

} // namespace browser
