#pragma once

#include <QString>
#include <optional>

class QFileDialog;

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
};

} // namespace ui
