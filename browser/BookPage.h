#pragma once

#include <QPointer>
#include <QWebEnginePage>

class QDialog;

namespace browser {

// The engine's page as the reader lets book pages use it. A page is someone else's HTML:
// its dialogs never hold the window's own buttons and come once per opening, it is never
// asked whether it may be left, it picks no file to write, and an address of another
// program's scheme is handed on only once the user agrees.
class BookPage : public QWebEnginePage {
public:
    explicit BookPage(QObject* parent);

    // A new opening by the user. A question still open is closed unanswered, so that the
    // page's script lets go of its renderer, and the page being left asks no more; the
    // page the opening loads may ask one question again.
    void openedByTheUser();

protected:
    void javaScriptAlert(const QUrl& origin, const QString& message) override;
    bool javaScriptConfirm(const QUrl& origin, const QString& message) override;
    bool javaScriptPrompt(const QUrl& origin, const QString& message, const QString& proposal,
                          QString* answer) override;
    QStringList chooseFiles(FileSelectionMode mode, const QStringList& oldFiles,
                            const QStringList& acceptedMimeTypes) override;
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;

private:
    // Whether this question of the page may be shown at all.
    bool mayAsk();
    // Shows a page's question without blocking the window and waits for its answer; true
    // when it was accepted.
    bool askWithoutBlocking(QDialog* dialog);
    void offerToOpenElsewhere(const QUrl& url);

    bool askedSinceOpening_ = false;
    bool leaving_ = false;
    QPointer<QDialog> openQuestion_;
};

// Schemes a page opens itself; any other belongs to another program.
bool isSchemeOfTheView(const QString& scheme);

} // namespace browser
