#pragma once

#include "Dialogs.h"

#include "browser/WindowError.h"

#include <QString>
#include <exception>
#include <stdexcept>

namespace ui {

// Raised by the web view and by saving alike.
using browser::WindowError;

// Shows a message the way every error is shown: application title, stop icon, one OK,
// and a full stop added when the last character sorts above ".".
void showErrorMessage(Dialogs& dialogs, const QString& message);

// The message of any exception, ready for showErrorMessage.
QString messageOf(const std::exception& error);

// Runs an event handler's body. An error stops the body and is shown; it never
// reaches Qt's event machinery.
template <typename Body> void runGuarded(Dialogs& dialogs, Body&& body) {
    try {
        body();
    } catch (const std::exception& error) {
        showErrorMessage(dialogs, messageOf(error));
    }
}

} // namespace ui
