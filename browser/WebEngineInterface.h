#pragma once

#include <QString>
#include <QtPlugin>

class QUrl;
class QWidget;

namespace browser {

// One page view of the web engine. The engine lives in a module of its own that the
// reader loads after its window is on the screen, so start-up never waits for it.
class WebPageView {
public:
    virtual ~WebPageView() = default;
    virtual QWidget* widget() = 0;
    // Starts loading; returns at once.
    virtual void load(const QUrl& url) = 0;
};

// The local files a page may read: everything below the book folder, the reader's own blank
// page, and the working page, which may lie in a folder of its own; there the names beside it
// stand for the book folder's files. Paths end in "/" for a folder.
struct LocalFiles {
    QString bookFolder;
    QString blankPage;
    QString workingPage;
};

// How the book's pages are read: what they may reach, and the text encoding of a page that
// declares none.
struct BookPages {
    LocalFiles allowed;
    QString defaultTextEncoding;
};

// What the engine module offers.
class WebEngineModule {
public:
    virtual ~WebEngineModule() = default;
    // Said once, before the first view is made.
    virtual void readBookPages(const BookPages& pages) = 0;
    virtual WebPageView* createView(QWidget* parent) = 0;
};

} // namespace browser

#define VarnelWebEngineModule_iid "example.varnel.WebEngineModule/1.3"
Q_DECLARE_INTERFACE(browser::WebEngineModule, VarnelWebEngineModule_iid)
