#include "FocusFrame.h"

#include <QApplication>
#include <QPainter>

namespace chrome {

FocusFrame::FocusFrame(QWidget* window) : QWidget(window) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { follow(now); });
}

void FocusFrame::mark(QWidget* control) {
    marked_.insert(control);
    control->installEventFilter(this);
    connect(control, &QObject::destroyed, this, [this, control] { marked_.remove(control); });
}

void FocusFrame::follow(QWidget* focused) {
    if (!focused || !marked_.contains(focused) || !focused->isVisible() ||
        focused->window() != window()) {
        over_ = nullptr;
        hide();
        return;
    }
    over_ = focused;
    setGeometry(QRect(focused->mapTo(parentWidget(), QPoint(0, 0)), focused->size()));
    raise();
    show();
    update();
}

bool FocusFrame::eventFilter(QObject* watched, QEvent* event) {
    // The control moves with the window's layout, or is hidden.
    if (watched == over_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize ||
                             event->type() == QEvent::Hide)) {
        follow(over_->hasFocus() ? over_.data() : nullptr);
    }
    return QWidget::eventFilter(watched, event);
}

void FocusFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Black dots on white ones: seen on the dark title strip and on the light panels alike.
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace chrome
