#include "BookPage.h"

#include "browser/StartEnvironment.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QInputDialog>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QWebEngineFileSystemAccessRequest>
#include <QWebEngineProfile>

namespace browser {

namespace {

// The engine asks a page whether it may be left with this question of its own.
QString leaveQuestion() {
    return QCoreApplication::translate("QWebEnginePage",
                                       "Are you sure you want to leave this page? Changes that "
                                       "you made may not be saved.");
}

// Questions are centred on the view that shows the page.
QWidget* windowOf(QWebEnginePage* page) {
    return qobject_cast<QWidget*>(page->parent());
}

// The address as it really is: the host in its ASCII form and every byte outside printable
// ASCII percent-encoded, so that neither a look-alike letter, a direction mark, a control
// character nor a run of spaces changes what the user reads.
QString addressAsItIs(const QUrl& url) {
    const QByteArray encoded = url.toEncoded(QUrl::FullyEncoded);
    QString text;
    text.reserve(encoded.size());
    for (const char c : encoded) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte >= 0x7F) {
            text += QStringLiteral("%%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
        } else {
            text += QLatin1Char(c);
        }
    }
    return text;
}

// An address too long to read whole keeps its beginning (scheme, host) and its end, and is
// cut into lines, so that the box stays narrower than any screen.
QString addressInLines(const QString& address) {
    constexpr int kLine = 64;
    constexpr int kHead = 3 * kLine;
    constexpr int kTail = kLine;
    QString text = address;
    if (text.size() > kHead + kTail + kLine) {
        // "…" is never part of an address as shown, where all but printable ASCII is encoded.
        text = text.left(kHead) + QStringLiteral("…") + text.right(kTail);
    }
    QStringList lines;
    for (int at = 0; at < text.size(); at += kLine) {
        lines << text.mid(at, kLine);
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

bool isSchemeOfTheView(const QString& scheme) {
    static const QStringList own = {
        QStringLiteral("file"),  QStringLiteral("http"), QStringLiteral("https"),
        QStringLiteral("about"), QStringLiteral("data"), QStringLiteral("blob"),
    };
    return own.contains(scheme.toLower());
}

BookPage::BookPage(QObject* parent) : QWebEnginePage(QWebEngineProfile::defaultProfile(), parent) {
    connect(this, &QWebEnginePage::fileSystemAccessRequested, this,
            [](QWebEngineFileSystemAccessRequest request) { request.reject(); });
    // The first load after an opening is the page opened; a page that reloads itself later
    // is still the same opening.
    connect(this, &QWebEnginePage::loadStarted, this, [this] {
        if (leaving_) {
            leaving_ = false;
            askedSinceOpening_ = false;
        }
    });
}

void BookPage::openedByTheUser() {
    leaving_ = true;
    if (openQuestion_) {
        openQuestion_->reject();
    }
}

bool BookPage::mayAsk() {
    // One question per opening: a page that asks again and again would keep the user
    // from reading or leaving it. A page reloading itself is still the same opening.
    if (askedSinceOpening_ || leaving_ || openQuestion_) {
        return false;
    }
    askedSinceOpening_ = true;
    return true;
}

bool BookPage::askWithoutBlocking(QDialog* dialog) {
    // Not modal: the window's buttons go on working while the page waits for its answer,
    // and closing the window or opening another entry ends the question.
    dialog->setWindowModality(Qt::NonModal);
    dialog->setAttribute(Qt::WA_DeleteOnClose, false);
    openQuestion_ = dialog;
    QEventLoop waiting;
    connect(dialog, &QDialog::finished, &waiting, &QEventLoop::quit);
    connect(dialog, &QObject::destroyed, &waiting, &QEventLoop::quit);
    dialog->show();
    waiting.exec();
    const bool accepted = openQuestion_ && openQuestion_->result() == QDialog::Accepted;
    delete openQuestion_.data();
    return accepted;
}

void BookPage::javaScriptAlert(const QUrl&, const QString& message) {
    if (!mayAsk()) {
        return;
    }
    auto* box = new QMessageBox(QMessageBox::Information, QApplication::applicationDisplayName(),
                                message, QMessageBox::Ok, windowOf(this));
    box->setTextFormat(Qt::PlainText);
    askWithoutBlocking(box);
}

bool BookPage::javaScriptConfirm(const QUrl&, const QString& message) {
    // Leaving is always the user's own choice: a reader keeps nothing a page could lose.
    if (message == leaveQuestion()) {
        return true;
    }
    if (!mayAsk()) {
        return false;
    }
    auto* box = new QMessageBox(QMessageBox::Question, QApplication::applicationDisplayName(),
                                message, QMessageBox::Ok | QMessageBox::Cancel, windowOf(this));
    box->setTextFormat(Qt::PlainText);
    return askWithoutBlocking(box);
}

bool BookPage::javaScriptPrompt(const QUrl&, const QString& message, const QString& proposal,
                                QString* answer) {
    if (!mayAsk()) {
        return false;
    }
    auto* dialog = new QInputDialog(windowOf(this));
    dialog->setWindowTitle(QApplication::applicationDisplayName());
    dialog->setLabelText(message);
    dialog->setTextValue(proposal);
    QPointer<QInputDialog> asked(dialog);
    // The answer is read before the dialog goes.
    QString given;
    connect(dialog, &QInputDialog::textValueSelected, this,
            [&given](const QString& text) { given = text; });
    const bool accepted = askWithoutBlocking(dialog);
    if (accepted && answer) {
        *answer = given;
    }
    return accepted;
}

QStringList BookPage::chooseFiles(FileSelectionMode mode, const QStringList& oldFiles,
                                  const QStringList& acceptedMimeTypes) {
    // A page that picks a file to write could empty any file the user can be talked into
    // choosing; it is refused before a dialog is shown.
    if (mode == FileSelectSave) {
        return {};
    }
    return QWebEnginePage::chooseFiles(mode, oldFiles, acceptedMimeTypes);
}

bool BookPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    if (isSchemeOfTheView(url.scheme())) {
        return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
    }
    // Another program's address (mail, a shell, a package manager...): never handed on
    // unasked. Asked once the engine is done with the click.
    QTimer::singleShot(0, this, [this, url] { offerToOpenElsewhere(url); });
    return false;
}

void BookPage::offerToOpenElsewhere(const QUrl& url) {
    const QString address = addressAsItIs(url);
    const QString shown = addressInLines(address);
    QString question = QStringLiteral("The link leads to another program:\n\n%1\n\n").arg(shown);
    if (shown.contains(QStringLiteral("…"))) {
        question +=
            QStringLiteral("The address is shortened; \"Show Details...\" shows all of it.\n\n");
    }
    question += QStringLiteral("Open it?");
    auto* box = new QMessageBox(QMessageBox::Question, QApplication::applicationDisplayName(),
                                question, QMessageBox::Open | QMessageBox::Cancel, windowOf(this));
    box->setTextFormat(Qt::PlainText);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // The whole address, read-only and selectable, in a field that wraps it anywhere.
    box->setDetailedText(address);
    box->setDefaultButton(QMessageBox::Cancel);
    box->setAttribute(Qt::WA_DeleteOnClose, true);
    if (const QScreen* screen = box->screen()) {
        box->setMaximumWidth(screen->availableGeometry().width());
    }
    connect(box, &QMessageBox::finished, this, [box, url](int) {
        if (box->clickedButton() == box->button(QMessageBox::Open)) {
            openWithTheDesktop(url);
        }
    });
    box->open();
}

} // namespace browser
