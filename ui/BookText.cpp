#include "BookText.h"

#include <QFile>
#include <QStringDecoder>

namespace ui {

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

QString pathFromNative(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string nativePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace ui
