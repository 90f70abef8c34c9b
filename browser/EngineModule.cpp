// The web engine module: the only code of the reader that links the web engine.
#include "browser/WebEngineInterface.h"
#include "browser/WorkingPageFolder.h"

#include <QContextMenuEvent>
#include <QFileInfo>
#include <QMenu>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>
#include <QWebEngineHistory>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>
#include <algorithm>

namespace browser {

namespace {

// A book page may read the files of its book and nothing else on the disk: every file:
// request outside the book folder and the reader's blank page is refused.
class BookFilesOnly : public QWebEngineUrlRequestInterceptor {
public:
    explicit BookFilesOnly(const LocalFiles& allowed, QObject* parent)
        : QWebEngineUrlRequestInterceptor(parent),
          bookFolder_(QFileInfo(allowed.bookFolder).canonicalFilePath() + QLatin1Char('/')),
          blankPage_(QFileInfo(allowed.blankPage).canonicalFilePath()),
          workingPage_(allowed.workingPage, allowed.bookFolder) {}

    void interceptRequest(QWebEngineUrlRequestInfo& info) override {
        const QUrl& url = info.requestUrl();
        if (url.scheme() == QLatin1String("file") && !allowed(url)) {
            const QUrl bookFile = workingPage_.bookFileFor(url);
            if (!bookFile.isEmpty() && allowed(bookFile)) {
                info.redirect(bookFile);
            } else {
                info.block(true);
            }
        }
    }

private:
    bool allowed(const QUrl& url) const {
        if (!url.host().isEmpty()) {
            return false;
        }
        // Resolved, so that neither ".." nor a link inside the book leads out of it. A file
        // that does not exist resolves to nothing and is refused like one outside.
        const QString file = QFileInfo(url.toLocalFile()).canonicalFilePath();
        if (file.isEmpty()) {
            return false;
        }
        // Only regular files: the engine would wait on a pipe for good, and the reader with
        // it, even after its window has closed. Asking what a file is never waits.
        if (!QFileInfo(file).isFile()) {
            return false;
        }
        return (bookFolder_.size() > 1 && file.startsWith(bookFolder_)) ||
               (!blankPage_.isEmpty() && file == blankPage_) || workingPage_.isWorkingPage(file);
    }

    QString bookFolder_;
    QString blankPage_;
    WorkingPageFolder workingPage_;
};

// What a book page never needs: other windows, the network from a local page, the
// clipboard, the screen, files dropped on it.
void restrictWhatPagesMayDo(QWebEngineSettings* settings) {
    // Off, it would keep the book's own pictures, styles and scripts from loading too;
    // BookFilesOnly keeps pages to their book instead.
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanPaste, false);
    settings->setAttribute(QWebEngineSettings::AllowWindowActivationFromJavaScript, false);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    settings->setAttribute(QWebEngineSettings::FullScreenSupportEnabled, false);
    settings->setAttribute(QWebEngineSettings::ScreenCaptureEnabled, false);
    settings->setAttribute(QWebEngineSettings::AllowGeolocationOnInsecureOrigins, false);
    settings->setAttribute(QWebEngineSettings::AllowRunningInsecureContent, false);
    settings->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
    settings->setAttribute(QWebEngineSettings::WebRTCPublicInterfacesOnly, true);
}

// Shown in place of a page whose renderer died.
QString stoppedPage() {
    return QStringLiteral("<html><body style='font-family: sans-serif; margin: 2em'>"
                          "<p>This page has stopped.</p>"
                          "<p>Press \"В оглавление\" and double-click an entry to open it "
                          "again.</p></body></html>");
}

// The working page is rewritten at every opening, so going back, reloading or saving the
// page would show or save another chapter than the menu promises; only copying, selecting
// and editing a field work on it as they say.
bool worksOnARewrittenPage(QWebEnginePage* page, const QAction* action) {
    static const QWebEnginePage::WebAction honest[] = {
        QWebEnginePage::Cut,
        QWebEnginePage::Copy,
        QWebEnginePage::Paste,
        QWebEnginePage::PasteAndMatchStyle,
        QWebEnginePage::Undo,
        QWebEnginePage::Redo,
        QWebEnginePage::SelectAll,
        QWebEnginePage::Unselect,
        QWebEnginePage::CopyLinkToClipboard,
        QWebEnginePage::CopyImageToClipboard,
    };
    return std::any_of(std::begin(honest), std::end(honest), [page, action](auto webAction) {
        return page->action(webAction) == action;
    });
}

void keepOnlyHonestActions(QMenu* menu, QWebEnginePage* page) {
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator() && !worksOnARewrittenPage(page, action)) {
            menu->removeAction(action);
        }
    }
    // No separator at either end or next to another.
    bool afterSeparator = true;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator()) {
            afterSeparator = false;
        } else if (afterSeparator) {
            menu->removeAction(action);
        } else {
            afterSeparator = true;
        }
    }
    while (!menu->actions().isEmpty() && menu->actions().constLast()->isSeparator()) {
        menu->removeAction(menu->actions().constLast());
    }
}

class BookPageView : public QWebEngineView {
public:
    explicit BookPageView(QWidget* parent) : QWebEngineView(parent) {
        showAWordWhenTheRendererDies();
        forgetHistory();
        openNewWindowsHere();
        denyPermissions();
    }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override {
        QMenu* menu = createStandardContextMenu();
        keepOnlyHonestActions(menu, page());
        // Selecting works everywhere, and a menu with nothing in it would not come up.
        QAction* selectAll = page()->action(QWebEnginePage::SelectAll);
        if (!menu->actions().contains(selectAll)) {
            if (!menu->actions().isEmpty()) {
                menu->addSeparator();
            }
            menu->addAction(selectAll);
        }
        menu->setAttribute(Qt::WA_DeleteOnClose, true);
        menu->popup(event->globalPos());
    }

private:
    // A renderer that was killed or ran out of memory leaves a grey view. Loading anything
    // makes a new renderer, so the next double click shows its page again.
    void showAWordWhenTheRendererDies() {
        connect(page(), &QWebEnginePage::renderProcessTerminated, this, [this] {
            // Not from inside the engine's own notice.
            QTimer::singleShot(0, this, [this] { setHtml(stoppedPage()); });
        });
    }

    // "Back" would show another chapter under the address of the one before.
    void forgetHistory() {
        connect(page(), &QWebEnginePage::loadFinished, this, [this] { history()->clear(); });
    }

    // A link that asks for a new window opens here; a script may not open one by itself.
    void openNewWindowsHere() {
        connect(page(), &QWebEnginePage::newWindowRequested, this,
                [this](QWebEngineNewWindowRequest& request) {
                    if (request.isUserInitiated()) {
                        load(request.requestedUrl());
                    }
                });
    }

    void denyPermissions() {
        connect(page(), &QWebEnginePage::featurePermissionRequested, this,
                [this](const QUrl& origin, QWebEnginePage::Feature feature) {
                    page()->setFeaturePermission(origin, feature,
                                                 QWebEnginePage::PermissionDeniedByUser);
                });
    }
};

class EngineView : public WebPageView {
public:
    explicit EngineView(QWidget* parent) : view_(new BookPageView(parent)) {}

    QWidget* widget() override { return view_; }

    void load(const QUrl& url) override {
        QUrl target = url;
        if (target.isLocalFile()) {
            // The working page is rewritten in place. A load that differs from the page
            // shown only in its anchor would merely scroll the old document, so every
            // local load carries a fresh query and reads the file from disk again.
            QUrlQuery query;
            query.addQueryItem(QStringLiteral("load"), QString::number(++loads_));
            target.setQuery(query);
        }
        view_->load(target);
    }

private:
    QWebEngineView* view_;
    quint64 loads_ = 0;
};

} // namespace

class VarnelWebEngine : public QObject, public WebEngineModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VarnelWebEngineModule_iid)
    Q_INTERFACES(browser::WebEngineModule)

public:
    void readBookPages(const BookPages& pages) override {
        QWebEngineProfile* profile = QWebEngineProfile::defaultProfile();
        profile->settings()->setDefaultTextEncoding(pages.defaultTextEncoding);
        auto* guard = new BookFilesOnly(pages.allowed, profile);
        profile->setUrlRequestInterceptor(guard);
        delete guard_;
        guard_ = guard;
        restrictWhatPagesMayDo(profile->settings());
    }

    WebPageView* createView(QWidget* parent) override {
        // The view draws through Qt Quick. With its default OpenGL scene graph, adding it to
        // the window, which was shown with plain raster drawing, makes Qt re-create the
        // window's native surface: the window the user sees is unmapped and a new one mapped.
        // The software scene graph draws into the window's own backing store instead, so
        // the window stays the same from the first frame to the last. It must be chosen
        // before the first view exists.
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
        return new EngineView(parent);
    }

private:
    BookFilesOnly* guard_ = nullptr;
};

} // namespace browser

#include "EngineModule.moc"
