#include "Cp1251.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>
#include <stdexcept>

namespace booktool {

namespace {

std::runtime_error noCodePage() {
    return std::runtime_error(std::string("this Qt build has no ") + kBookCodePage + " code page");
}

} // namespace

std::string cp1251ToUtf8(std::string_view bytes) {
    QStringDecoder decoder(kBookCodePage);
    if (!decoder.isValid()) {
        throw noCodePage();
    }
    const QString text = decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    return text.toUtf8().toStdString();
}

std::optional<std::string> utf8ToCp1251(std::string_view text) {
    const QString unicode = QString::fromUtf8(text.data(), qsizetype(text.size()));
    if (unicode.toUtf8() != QByteArrayView(text.data(), qsizetype(text.size()))) {
        return std::nullopt; // not valid UTF-8
    }
    QStringEncoder encoder(kBookCodePage, QStringConverter::Flag::Stateless);
    if (!encoder.isValid()) {
        throw noCodePage();
    }
    const QByteArray bytes = encoder.encode(unicode);
    if (encoder.hasError()) {
        return std::nullopt;
    }
    return bytes.toStdString();
}

} // namespace booktool
