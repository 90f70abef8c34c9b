#include "PageAddress.h"

#include "WindowError.h"

#include <QRegularExpression>

namespace browser {

namespace {

bool hasScheme(const QString& address) {
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*://"));
    return scheme.match(address).hasMatch();
}

[[noreturn]] void refuse(const QString& address) {
    throw WindowError(QStringLiteral("The page address \"%1\" is not valid").arg(address));
}

QUrl webUrl(const QString& address) {
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty()) {
        refuse(address);
    }
    return url;
}

} // namespace

QUrl pageUrl(const PageAddress& address) {
    const QString joined = address.location + address.anchor;
    if (hasScheme(address.location)) {
        return webUrl(joined);
    }
    if (!address.location.startsWith(QLatin1Char('/')) || joined.contains(QChar(0))) {
        refuse(joined);
    }
    const qsizetype hash = address.anchor.indexOf(QLatin1Char('#'));
    QString path = address.location + (hash < 0 ? address.anchor : address.anchor.left(hash));
    // A path that starts with "//" would be taken for a network share's host.
    while (path.startsWith(QLatin1String("//"))) {
        path.remove(0, 1);
    }
    QUrl url = QUrl::fromLocalFile(path);
    if (hash >= 0) {
        url.setFragment(address.anchor.mid(hash + 1), QUrl::DecodedMode);
    }
    if (!url.isValid()) {
        refuse(joined);
    }
    return url;
}

} // namespace browser
