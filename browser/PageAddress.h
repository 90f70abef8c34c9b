#pragma once

#include <QString>
#include <QUrl>

namespace browser {

// What the window asks the web view to show: a web address ("http://...") that stands as
// it is, or the full path of a local page with the anchor that is appended to it unchanged
// ("#name", or empty). The two travel apart, since an anchor may hold "/", "?", "%" or
// "#" and a folder's name may hold "#": joined, nobody could tell where the path ends.
struct PageAddress {
    QString location;
    QString anchor;
};

// The URL the web view loads. An anchor's text up to its first "#" lengthens the path, as
// appending it does; the text after that "#" is the fragment, taken literally. An address
// that makes no valid URL raises a WindowError.
QUrl pageUrl(const PageAddress& address);

} // namespace browser
