#include "Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace ui {

namespace {

// A message may quote a line of the book that holds no space; the box wraps only where a
// line may break, so one may break after every so many characters of a word.
QString breakableInLongWords(const QString& text) {
    constexpr int kLongestUnbroken = 40;
    constexpr QChar kZeroWidthSpace(0x200B);
    QString breakable;
    breakable.reserve(text.size() + text.size() / kLongestUnbroken);
    int run = 0;
    for (const QChar c : text) {
        breakable += c;
        run = c.isSpace() ? 0 : run + 1;
        if (run >= kLongestUnbroken && !c.isHighSurrogate()) {
            breakable += kZeroWidthSpace;
            run = 0;
        }
    }
    return breakable;
}

} // namespace

std::unique_ptr<QMessageBox> QtDialogs::messageBox(const QString& text, Icon icon) {
    auto box = std::make_unique<QMessageBox>(
        icon == Icon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon,
        QApplication::applicationDisplayName(), QString(), QMessageBox::Ok);
    // A quoted line that looks like markup is shown as it is written, never rendered.
    box->setTextFormat(Qt::PlainText);
    box->setText(breakableInLongWords(text));
    return box;
}

void QtDialogs::showMessage(const QString& text, Icon icon) {
    messageBox(text, icon)->exec();
}

std::optional<QString> QtDialogs::runSaveDialog(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace ui
