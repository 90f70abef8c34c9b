#include "ErrorDisplay.h"

#include "book/Errors.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {
constexpr const char* kBookCodePage = "windows-1251";
}

WindowError::WindowError(const QString& message) : std::runtime_error(message.toStdString()) {}

QString textFromBookCodePage(const std::string& bytes) {
    QStringDecoder decoder(kBookCodePage);
    return decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

QStringList textsFromBookCodePage(const std::vector<std::string>& texts) {
    QStringDecoder decoder(kBookCodePage, QStringConverter::Flag::Stateless);
    QStringList decoded;
    decoded.reserve(static_cast<qsizetype>(texts.size()));
    for (const std::string& text : texts) {
        decoded.append(decoder.decode(QByteArrayView(text.data(), qsizetype(text.size()))));
    }
    return decoded;
}

std::string textToBookCodePage(const QString& text) {
    QStringEncoder encoder(kBookCodePage);
    return QByteArray(encoder.encode(text)).toStdString();
}

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
