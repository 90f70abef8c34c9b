#pragma once

#include <QAccessible>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

class QUrl;
class QWebEngineView;

namespace browser {

struct PageText;

// Where a screen reader starts reading a page the reader opens, and what it reads there.
// Once a page asked for with an anchor has loaded, the page's focus moves to what the anchor
// names (the heading of an article when the anchor is an empty mark just before it), so that
// Tab goes on to the links after it; the view has scrolled there already and stays. While an
// assistive tool is running, the page's text is also handed to it as one document
// (AccessiblePage) with the caret at that place, so that it reads from the heading on to the
// end of the page, and the arrow keys and Tab in the page move its reading as they move the
// page.
class ReadingPosition : public QObject, private QAccessible::ActivationObserver {
public:
    explicit ReadingPosition(QWebEngineView* view);
    ~ReadingPosition() override;

    // Said for every load the reader asks for, with the address as it is loaded: each load
    // keeps its own anchor, whatever loads finish before it.
    void loading(const QUrl& url);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void accessibilityActiveChanged(bool active) override;
    void loaded(bool ok);
    void focusPlace(const QString& anchor);
    void readPage(const QString& anchor);
    void present(const PageText& text);
    void followFocusInPage();
    // Tells a screen reader that the focus is on link `link` of `page`, or on the page itself.
    static void announceFocus(class AccessiblePage* page, int link);
    void pressLink(int index);
    class AccessiblePage* shownPage() const;

    QPointer<QWebEngineView> view_;
    QPointer<QWidget> surface_;       // the widget the view draws in, whose keys are watched
    QHash<QString, QString> anchors_; // by load number, for loads not finished yet
    QString shownAnchor_;
    QAccessible::Id shownPage_ = 0;
    quint64 readings_ = 0;
};

} // namespace browser
