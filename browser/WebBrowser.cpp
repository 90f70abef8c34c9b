#include "WebBrowser.h"

#include <QUrl>

namespace browser {

WebBrowser::WebBrowser(ViewFactory factory, QWidget* parent)
    : QWidget(parent), factory_(std::move(factory)) {}

WebBrowser::~WebBrowser() = default;

void WebBrowser::ensureView() {
    if (view_) {
        return;
    }
    view_ = factory_(this);
    view_->widget()->setGeometry(rect());
    view_->widget()->show();
    setFocusProxy(view_->widget());
}

void WebBrowser::navigate(const PageAddress& address) {
    const QUrl url = pageUrl(address);
    ensureView();
    view_->load(url);
}

void WebBrowser::warmUp(const QUrl& blankPage) {
    if (view_) {
        return; // a page was asked for first; a blank one must not replace it
    }
    try {
        ensureView();
        view_->load(blankPage);
    } catch (const std::exception&) {
        // Reported by the first navigate that needs the view.
    }
}

QString blankPageBeside(const QString& programFolder) {
    return programFolder + QStringLiteral("blank.htm");
}

void WebBrowser::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (view_) {
        view_->widget()->setGeometry(rect());
    }
}

} // namespace browser
