// The web engine module: the only code of the reader that links the web engine.
#include "browser/ReadingPosition.h"
#include "browser/WebEngineInterface.h"
#include "browser/WorkingPageFolder.h"

#include "BookPage.h"

#include <QContextMenuEvent>
#include <QFileInfo>
#include <QMenu>
#include <QPointer>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>
#include <QWebEngineHistory>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>
#include <algorithm>
#include <csignal>
#include <sys/types.h>

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
        if (url.scheme() == QLatin1String("file")) {
            if (!allowed(url)) {
                const QUrl bookFile = workingPage_.bookFileFor(url);
                if (!bookFile.isEmpty() && allowed(bookFile)) {
                    info.redirect(bookFile);
                } else {
                    info.block(true);
                }
            }
        } else if (fromABookPage(info) && !leavesThePage(info)) {
            // A book page reaches no server, not even one on this machine: a page that read
            // something would otherwise have somewhere to send it.
            info.block(true);
        }
    }

private:
    static bool fromABookPage(const QWebEngineUrlRequestInfo& info) {
        return info.firstPartyUrl().isLocalFile() || info.initiator().isLocalFile() ||
               info.initiator().scheme() == QLatin1String("file");
    }

    // Following a web link replaces the book page with the web's own; the address it
    // leaves for is the user's choice (see acceptNavigationRequest).
    static bool leavesThePage(const QWebEngineUrlRequestInfo& info) {
        return info.resourceType() == QWebEngineUrlRequestInfo::ResourceTypeMainFrame;
    }

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

// Switches the engine reads once, when it starts: pages get no shared workers and no
// WebTransport, whose requests and QUIC packets no interceptor sees, no file pickers to write
// files with, and peer connections send nothing over UDP that is not proxied. Whatever the
// user's own switches say is kept.
void addEngineSwitchesBeforeItStarts() {
    static bool added = false;
    if (added) {
        return;
    }
    added = true;
    QByteArray switches = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (!switches.isEmpty()) {
        switches += ' ';
    }
    switches += "--disable-blink-features=SharedWorker,FileSystemAccess,WebTransport "
                "--force-webrtc-ip-handling-policy=disable_non_proxied_udp";
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", switches);
}

// Peer connections talk to any address a page names, past every request rule and every
// content policy, so every window of a page loses them before a script of the page can reach
// it. A window the engine reaches late, the empty document of a frame that a script makes and
// uses at once, is sealed by the window that made it: whatever reaches a frame's window
// (contentWindow, contentDocument, inserting a frame and then reading frames[i]) seals it
// first, as does a mutation observer for frames the page's own markup makes.
constexpr const char* kWithoutPeerConnections = R"js((() => {
  const mark = Symbol.for('varnel.sealed');
  const names = ['RTCPeerConnection', 'webkitRTCPeerConnection', 'RTCDataChannel',
                 'RTCIceCandidate', 'RTCSessionDescription'];
  const sealTree = w => {
    seal(w);
    let count = 0;
    try { count = w.length; } catch (e) { return; }
    for (let i = 0; i < count; ++i) {
      try { sealTree(w[i]); } catch (e) {}
    }
  };
  const sealAll = w => { try { sealTree(w.top); } catch (e) { sealTree(w); } };
  function seal(w) {
    try {
      if (!w || Object.prototype.hasOwnProperty.call(w, mark)) return;
      Object.defineProperty(w, mark, {value: true});
    } catch (e) {
      return; // another origin's window: none of its code is the page's
    }
    for (const name of names) {
      try { delete w[name]; } catch (e) {}
      try {
        Object.defineProperty(w, name, {value: undefined, writable: false, configurable: false});
      } catch (e) {}
    }
    const wrapMethod = (type, name) => {
      const proto = w[type] && w[type].prototype;
      const original = proto && Object.getOwnPropertyDescriptor(proto, name);
      if (!original || typeof original.value !== 'function') return;
      const call = original.value;
      Object.defineProperty(proto, name, Object.assign({}, original, {
        value: {[name](...args) { try { return call.apply(this, args); } finally { sealAll(w); } }}[name]
      }));
    };
    const wrapSetter = (type, name) => {
      const proto = w[type] && w[type].prototype;
      const original = proto && Object.getOwnPropertyDescriptor(proto, name);
      if (!original || !original.set) return;
      const set = original.set;
      Object.defineProperty(proto, name, Object.assign({}, original, {
        set: {set(value) { try { set.call(this, value); } finally { sealAll(w); } }}.set
      }));
    };
    const wrapGetter = (type, name) => {
      const proto = w[type] && w[type].prototype;
      const original = proto && Object.getOwnPropertyDescriptor(proto, name);
      if (!original || !original.get) return;
      const get = original.get;
      Object.defineProperty(proto, name, Object.assign({}, original, {
        get: {get() { const v = get.call(this); sealAll(w); return v; }}.get
      }));
    };
    for (const type of ['Node']) {
      for (const name of ['appendChild', 'insertBefore', 'replaceChild']) wrapMethod(type, name);
    }
    for (const type of ['Element', 'Document', 'DocumentFragment', 'CharacterData', 'DocumentType']) {
      for (const name of ['append', 'prepend', 'before', 'after', 'replaceWith', 'replaceChildren'])
        wrapMethod(type, name);
    }
    for (const name of ['insertAdjacentElement', 'insertAdjacentHTML', 'setHTML'])
      wrapMethod('Element', name);
    for (const name of ['write', 'writeln', 'execCommand', 'open']) wrapMethod('Document', name);
    for (const name of ['insertNode', 'surroundContents']) wrapMethod('Range', name);
    for (const name of ['innerHTML', 'outerHTML']) wrapSetter('Element', name);
    wrapSetter('ShadowRoot', 'innerHTML');
    for (const type of ['HTMLIFrameElement', 'HTMLFrameElement', 'HTMLObjectElement']) {
      wrapGetter(type, 'contentWindow');
      wrapGetter(type, 'contentDocument');
    }
    for (const type of ['HTMLIFrameElement', 'HTMLObjectElement', 'HTMLEmbedElement'])
      wrapMethod(type, 'getSVGDocument');
    try {
      new w.MutationObserver(() => sealAll(w)).observe(w.document, {childList: true, subtree: true});
    } catch (e) {}
  }
  // The web (the maker's pages) keeps its own DOM; a page of the book, and every document it
  // makes from nothing (about:, data:, blob:), is sealed.
  if (/^https?:$/.test(location.protocol)) {
    for (const name of names) {
      try { delete window[name]; } catch (e) {}
    }
  } else {
    sealAll(window);
  }
})())js";

QWebEngineScript withoutPeerConnections() {
    QWebEngineScript script;
    script.setName(QStringLiteral("varnel-no-peer-connections"));
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::MainWorld);
    script.setRunsOnSubFrames(true);
    script.setSourceCode(QString::fromUtf8(kWithoutPeerConnections));
    return script;
}

// What a book page may load, as a content policy: files (BookFilesOnly narrows them to the
// book's own), what the page makes itself (data:, blob:) and nothing else. A kind of request
// the engine adds later falls under `default-src` without anyone naming it.
constexpr const char* kBookPagePolicy = "default-src file: data: blob: 'unsafe-inline' "
                                        "'unsafe-eval'; form-action file: data: blob:";

// Every local page and every frame in it is put under the policy as soon as its document
// exists, before any of its own scripts runs. A policy given in a meta element binds the
// document from the moment the element is inserted, and stays when it is taken out, so the
// page's own markup is left as written (and as Save writes it). Frames and workers made from
// the page (about:blank, data:, blob:) inherit it; web pages are left as the web serves them.
QWebEngineScript underTheBookPolicy() {
    QWebEngineScript script;
    script.setName(QStringLiteral("varnel-book-policy"));
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    // A world of the reader's own: a page's script cannot have replaced what this one uses.
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setRunsOnSubFrames(true);
    script.setSourceCode(QStringLiteral("(() => {"
                                        "  if (location.protocol !== 'file:') return;"
                                        "  const meta = document.createElement('meta');"
                                        "  meta.httpEquiv = 'Content-Security-Policy';"
                                        "  meta.content = \"%1\";"
                                        "  const head = document.createElement('head');"
                                        "  head.appendChild(meta);"
                                        "  const root = document.documentElement;"
                                        "  if (root) {"
                                        "    root.insertBefore(head, root.firstChild);"
                                        "    head.remove();"
                                        "  } else {"
                                        "    const html = document.createElement('html');"
                                        "    html.appendChild(head);"
                                        "    document.appendChild(html);"
                                        "    html.remove();"
                                        "  }"
                                        "})()")
                             .arg(QLatin1String(kBookPagePolicy)));
    return script;
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
        takePage(new BookPage(this));
    }

    // Opens a page the user asked for, whatever the page shown now is doing. Its renderer
    // is asked first whether it still answers: one that does not within kAnswerTime is
    // stuck in a script or a layout that never ends and would hold every later page, so
    // it is ended and the page opens in a fresh one.
    void openPage(const QUrl& url) {
        page_->openedByTheUser();
        pending_ = url;
        const quint64 opening = ++openings_;
        if (page_->renderProcessPid() <= 0) {
            awaited_ = 0;
            load(url);
            return;
        }
        awaited_ = opening;
        // In the page's own world: after a renderer has died, a script run in another
        // world leaves every later one unanswered.
        page_->runJavaScript(QStringLiteral("0"), QWebEngineScript::MainWorld,
                             [view = QPointer<BookPageView>(this), opening](const QVariant&) {
                                 if (view && view->awaited_ == opening) {
                                     view->awaited_ = 0;
                                     view->load(view->pending_);
                                 }
                             });
        QTimer::singleShot(kAnswerTime, this, [this, opening] {
            if (awaited_ == opening) {
                awaited_ = 0;
                replaceStuckPage();
            }
        });
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
    static constexpr int kAnswerTime = 1000; // ms; a renderer at work answers in a few

    void takePage(BookPage* page) {
        page_ = page;
        setPage(page);
        showAWordWhenTheRendererDies();
        forgetHistory();
        openNewWindowsHere();
        denyPermissions();
    }

    // The stuck page and its renderer go, and the page asked for opens in a fresh one: the
    // engine's page keeps waiting on a renderer that was ended under it.
    void replaceStuckPage() {
        BookPage* stuck = page_;
        const qint64 renderer = stuck->renderProcessPid();
        stuck->disconnect(this);
        takePage(new BookPage(this));
        if (renderer > 0) {
            ::kill(static_cast<pid_t>(renderer), SIGKILL);
        }
        // Its questions were closed when this opening began, so none of its code is running.
        delete stuck;
        load(pending_);
    }

    // A renderer that was killed or ran out of memory leaves a grey view. Loading anything
    // makes a new renderer, so the next double click shows its page again.
    void showAWordWhenTheRendererDies() {
        connect(page_, &QWebEnginePage::renderProcessTerminated, this, [this] {
            // Not from inside the engine's own notice.
            QTimer::singleShot(0, this, [this] { setHtml(stoppedPage()); });
        });
    }

    // "Back" would show another chapter under the address of the one before.
    void forgetHistory() {
        connect(page_, &QWebEnginePage::loadFinished, this, [this] { history()->clear(); });
    }

    // A link that asks for a new window opens here; a script may not open one by itself.
    void openNewWindowsHere() {
        connect(page_, &QWebEnginePage::newWindowRequested, this,
                [this](QWebEngineNewWindowRequest& request) {
                    if (request.isUserInitiated()) {
                        load(request.requestedUrl());
                    }
                });
    }

    void denyPermissions() {
        connect(page_, &QWebEnginePage::featurePermissionRequested, this,
                [this](const QUrl& origin, QWebEnginePage::Feature feature) {
                    page_->setFeaturePermission(origin, feature,
                                                QWebEnginePage::PermissionDeniedByUser);
                });
    }

    BookPage* page_ = nullptr;
    QUrl pending_;
    quint64 openings_ = 0;
    quint64 awaited_ = 0; // the opening whose renderer has not answered yet
};

// The engine's own description of a page reaches a screen reader as nodes without text, and
// its focus notices would take the screen reader away from the page's text that
// ReadingPosition hands over; it is kept off, also when the environment asks for it.
void keepTheEnginesPageDescriptionOff() {
    qunsetenv("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY");
}

class EngineView : public WebPageView {
public:
    explicit EngineView(QWidget* parent)
        : view_(new BookPageView(parent)), readingPosition_(view_) {}

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
        readingPosition_.loading(target);
        view_->openPage(target);
    }

private:
    BookPageView* view_;
    quint64 loads_ = 0;
    ReadingPosition readingPosition_;
};

} // namespace

class VarnelWebEngine : public QObject, public WebEngineModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VarnelWebEngineModule_iid)
    Q_INTERFACES(browser::WebEngineModule)

public:
    void readBookPages(const BookPages& pages) override {
        addEngineSwitchesBeforeItStarts();
        keepTheEnginesPageDescriptionOff();
        QWebEngineProfile* profile = QWebEngineProfile::defaultProfile();
        for (const QWebEngineScript& script : {underTheBookPolicy(), withoutPeerConnections()}) {
            if (profile->scripts()->find(script.name()).isEmpty()) {
                profile->scripts()->insert(script);
            }
        }
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
