#include "ErrorDisplay.h"

#include "BookText.h"

#include "book/Errors.h"

namespace ui {

void showErrorMessage(Dialogs& dialogs, const QString& message) {
    // The rule looks at the last character; UTF-8 keeps every non-ASCII character's last
    // byte above ".", so the shared byte-wise rule gives the same answer.
    const std::string shown = book::displayText(message.toStdString());
    dialogs.showMessage(QString::fromStdString(shown), Dialogs::Icon::Critical);
}

QString messageOf(const std::exception& error) {
    if (dynamic_cast<const book::BookError*>(&error)) {
        return textFromBookCodePage(error.what());
    }
    return QString::fromStdString(error.what());
}

} // namespace ui
