#pragma once

#include <QString>
#include <QUrl>

// Turns a page address into the URL the web view loads: an address with a scheme stands
// as it is; a local path becomes a file URL, the text after the first "#" behind its last
// "/" being the anchor. An address that makes no valid URL raises a WindowError.
QUrl pageUrlFromAddress(const QString& address);
