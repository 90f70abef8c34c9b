#include "PageAddress.h"

#include "ErrorDisplay.h"

#include <QRegularExpression>

namespace {

bool hasScheme(const QString& address) {
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*://"));
    return scheme.match(address).hasMatch();
}

[[noreturn]] void refuse(const QString& address) {
    throw WindowError(QStringLiteral("The page address \"%1\" is not valid").arg(address));
}

} // namespace

QUrl pageUrlFromAddress(const QString& address) {
    if (hasScheme(address)) {
        const QUrl url(address, QUrl::StrictMode);
        if (!url.isValid() || url.host().isEmpty()) {
            refuse(address);
        }
        return url;
    }
    if (!address.startsWith(QLatin1Char('/')) || address.contains(QChar(0))) {
        refuse(address);
    }
    const qsizetype lastSlash = address.lastIndexOf(QLatin1Char('/'));
    const qsizetype hash = address.indexOf(QLatin1Char('#'), lastSlash);
    QString path = hash < 0 ? address : address.left(hash);
    // A path that starts with "//" would be taken for a network share's host.
    while (path.startsWith(QLatin1String("//"))) {
        path.remove(0, 1);
    }
    QUrl url = QUrl::fromLocalFile(path);
    if (hash >= 0) {
        url.setFragment(address.mid(hash + 1), QUrl::DecodedMode);
    }
    if (!url.isValid()) {
        refuse(address);
    }
    return url;
}
