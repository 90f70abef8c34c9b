#pragma once

#include <QString>
#include <memory>

class QUrl;
class QWebEngineView;

namespace browser {

// Where a screen reader starts reading a page the reader opens: once a page asked for with an
// anchor has loaded, the page's focus moves to what the anchor names (the heading of an article
// when the anchor is an empty mark just before it), so that reading starts there and Tab goes
// on to the links after it. The view has scrolled to the anchor already and stays there.
class ReadingPosition {
public:
    explicit ReadingPosition(QWebEngineView* view);

    // Said for every load the reader asks for, with the address as the window gave it.
    void loading(const QUrl& url);

private:
    // The anchor of the page being loaded; shared with the view's handler, since the view may
    // outlive this object by a little.
    std::shared_ptr<QString> anchor_ = std::make_shared<QString>();
};

} // namespace browser
