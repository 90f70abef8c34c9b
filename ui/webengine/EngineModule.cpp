// The web engine module: the only code of the reader that links the web engine.
#include "ui/WebEngineInterface.h"

#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QUrl>
#include <QUrlQuery>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {

class EngineView : public WebPageView {
public:
    explicit EngineView(QWidget* parent) : view_(new QWebEngineView(parent)) {}

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
    Q_INTERFACES(WebEngineModule)

public:
    WebPageView* createView(QWidget* parent) override {
        // The view draws through Qt Quick. With its default OpenGL scene graph, adding it to
        // the window, which was shown with plain raster drawing, makes Qt re-create the
        // window's native surface: the window the user sees is unmapped and a new one mapped.
        // The software scene graph draws into the window's own backing store instead, so
        // the window stays the same from the first frame to the last, and no OpenGL
        // context has to be made. It must be chosen before the first view exists.
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
        // The book's pages are windows-1251; a page that declares no encoding is read so.
        QWebEngineProfile::defaultProfile()->settings()->setDefaultTextEncoding(
            QStringLiteral("windows-1251"));
        return new EngineView(parent);
    }
};

#include "EngineModule.moc"
