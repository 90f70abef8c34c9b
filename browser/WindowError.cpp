#include "WindowError.h"

namespace browser {

WindowError::WindowError(const QString& message) : std::runtime_error(message.toStdString()) {}

} // namespace browser
