#pragma once

#include "Dialogs.h"

#include <QString>
#include <QStringList>
#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

// A failure of the window itself (the web view, saving), with a message for the user.
class WindowError : public std::runtime_error {
public:
    explicit WindowError(const QString& message);
};

// The book library speaks the book's code page; the window shows Unicode.
QString textFromBookCodePage(const std::string& bytes);
// Many texts at once, with one decoder: the table of contents has over a thousand items.
QStringList textsFromBookCodePage(const std::vector<std::string>& texts);
std::string textToBookCodePage(const QString& text);

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
