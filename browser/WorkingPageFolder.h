#pragma once

#include <QString>
#include <QUrl>

namespace browser {

// The working page may lie in a folder of the user's own instead of the book folder, when the
// user may not write in the book folder. Its pictures, styles, scripts and frames are still
// the book folder's files: a name beside the working page stands for the same name in the
// book folder.
class WorkingPageFolder {
public:
    // Paths as the view is given them; the book folder ends in "/".
    WorkingPageFolder(const QString& workingPage, const QString& bookFolder);

    // Whether `file`, a resolved path, is the working page itself.
    bool isWorkingPage(const QString& file) const;

    // The book folder's file that a request for `url` beside the working page stands for,
    // with the request's query and fragment. Empty when it stands for none: the working page
    // itself, a name elsewhere, or anything in the book folder that is not a regular file of
    // it. Empty also when the working page lies in the book folder, whose files are read as
    // they are.
    QUrl bookFileFor(const QUrl& url) const;

private:
    QString folder_;         // as the page's address names it, ending in "/"
    QString resolvedFolder_; // with links resolved, ending in "/"
    QString pageName_;
    QString bookFolder_; // with links resolved, ending in "/"
};

} // namespace browser
