#include "WindowError.h"

WindowError::WindowError(const QString& message) : std::runtime_error(message.toStdString()) {}
