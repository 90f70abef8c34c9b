#pragma once

#include <QPointer>
#include <QSet>
#include <QWidget>

namespace chrome {

// A dotted frame drawn over the control that has the keyboard focus, for controls whose own
// face never shows the focus (the skinned caption buttons, labels that are links). It is
// one widget of the window, lying over the control while the focus is there and hidden
// otherwise, so every pixel of the controls stays as it is until the keyboard reaches one.
class FocusFrame : public QWidget {
public:
    explicit FocusFrame(QWidget* window);

    // `control` gets the frame while it has the focus.
    void mark(QWidget* control);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow(QWidget* focused);

    QSet<const QWidget*> marked_;
    QPointer<QWidget> over_;
};

} // namespace chrome
