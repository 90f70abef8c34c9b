#include "WorkingPageFolder.h"

#include <QDir>
#include <QFileInfo>

namespace browser {

namespace {

QString resolvedFolder(const QString& folder) {
    const QString resolved = QFileInfo(folder).canonicalFilePath();
    return resolved.isEmpty() ? QString() : resolved + QLatin1Char('/');
}

} // namespace

WorkingPageFolder::WorkingPageFolder(const QString& workingPage, const QString& bookFolder)
    : bookFolder_(resolvedFolder(bookFolder)) {
    const QFileInfo page(workingPage);
    const QString folder = page.path() + QLatin1Char('/');
    const QString resolved = resolvedFolder(folder);
    if (resolved.isEmpty() || resolved == bookFolder_ || workingPage.isEmpty()) {
        return; // the book folder's own page, or none: nothing stands for anything else
    }
    folder_ = folder;
    resolvedFolder_ = resolved;
    pageName_ = page.fileName();
}

bool WorkingPageFolder::isWorkingPage(const QString& file) const {
    return !resolvedFolder_.isEmpty() && file == resolvedFolder_ + pageName_;
}

QUrl WorkingPageFolder::bookFileFor(const QUrl& url) const {
    if (folder_.isEmpty() || bookFolder_.isEmpty() || !url.isLocalFile() || !url.host().isEmpty()) {
        return {};
    }
    const QString path = url.toLocalFile();
    QString name;
    if (path.startsWith(folder_)) {
        name = path.mid(folder_.size());
    } else if (path.startsWith(resolvedFolder_)) {
        name = path.mid(resolvedFolder_.size());
    }
    // ".." would climb out of the book folder; the working page is the working folder's own.
    const QStringList steps = name.split(QLatin1Char('/'));
    if (name.isEmpty() || name == pageName_ || steps.contains(QLatin1String("..")) ||
        steps.contains(QLatin1String("."))) {
        return {};
    }
    const QString bookFile = bookFolder_ + name;
    // Resolved, so that no link in the book leads out of it. Only regular files: a pipe would
    // hold the engine for good; asking what a file is never waits.
    const QString resolved = QFileInfo(bookFile).canonicalFilePath();
    if (resolved.isEmpty() || !resolved.startsWith(bookFolder_) || !QFileInfo(resolved).isFile()) {
        return {};
    }
    QUrl moved = QUrl::fromLocalFile(bookFile);
    if (url.hasQuery()) {
        moved.setQuery(url.query(QUrl::FullyEncoded), QUrl::StrictMode);
    }
    if (url.hasFragment()) {
        moved.setFragment(url.fragment(QUrl::FullyEncoded), QUrl::StrictMode);
    }
    return moved;
}

} // namespace browser
