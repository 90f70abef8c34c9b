#pragma once

#include <QString>
#include <memory>
#include <optional>

class QFileDialog;
class QMessageBox;

namespace ui {

// The modal boxes the window shows. The window talks to them only through this, so that
// tests can record what would have been shown instead of blocking on a modal window.
class Dialogs {
public:
    enum class Icon { Critical, None };

    virtual ~Dialogs() = default;
    // A message box with the application title as caption and one OK button.
    virtual void showMessage(const QString& text, Icon icon) = 0;
    // Runs a prepared save dialog; the chosen file, or nothing when cancelled.
    virtual std::optional<QString> runSaveDialog(QFileDialog& dialog) = 0;
};

// The real boxes.
class QtDialogs : public Dialogs {
public:
    void showMessage(const QString& text, Icon icon) override;
    std::optional<QString> runSaveDialog(QFileDialog& dialog) override;

    // The box showMessage shows. Its text is plain, whatever it quotes, and wraps inside a
    // long word too, so that the box stays on the screen.
    static std::unique_ptr<QMessageBox> messageBox(const QString& text, Icon icon);
};

} // namespace ui
