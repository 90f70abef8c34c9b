#pragma once

#include "PageAddress.h"
#include "WebEngineInterface.h"

#include <QWidget>
#include <functional>
#include <memory>

namespace browser {

// The web view of the window (`WebBrowser1`). It holds the engine's view once one has
// been made; until then it is a blank area of the window. The keyboard focus given to it
// goes to the view.
class WebBrowser : public QWidget {
public:
    // Makes the engine's view inside `parent`; raises a WindowError when it cannot.
    using ViewFactory = std::function<std::unique_ptr<WebPageView>(QWidget* parent)>;

    WebBrowser(ViewFactory factory, QWidget* parent);
    ~WebBrowser() override;

    // Loads a page address (see pageUrl). Makes the view first if there is none yet.
    // Raises a WindowError for an address that is not valid or an engine that cannot
    // start; the page itself then is not asked for.
    void navigate(const PageAddress& address);

    // Makes the view and loads a blank local page, so that the first real page does not
    // pay for the engine's start. Quiet on failure: navigate reports it when it matters.
    void warmUp(const QUrl& blankPage);

    bool hasView() const { return view_ != nullptr; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ensureView();

    ViewFactory factory_;
    std::unique_ptr<WebPageView> view_;
};

// The reader's own blank page beside the program, which the view shows while it warms up.
QString blankPageBeside(const QString& programFolder);

} // namespace browser
