#include "LinkLabel.h"

#include "accessibility/Accessibility.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

namespace ui {

namespace {

// Watches one label's mouse buttons. A click is a left press and release both inside the
// label, as for a button.
class LinkClick : public QObject {
public:
    LinkClick(QLabel* label, std::function<void()> handler)
        : QObject(label), label_(label), handler_(std::move(handler)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != label_) {
            return false;
        }
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            pressed_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
            return true;
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton) {
                return true;
            }
            const bool click = pressed_ && label_->rect().contains(mouse->position().toPoint());
            pressed_ = false;
            if (click && handler_) {
                handler_();
            }
            return true;
        }
        case QEvent::MouseButtonDblClick:
            // The first click of the pair has opened the link already.
            return true;
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            // A label given the focus would start drawing its text another way, through a
            // text control; the focus frame shows the focus instead.
            return handler_ != nullptr;
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool press = key->key() == Qt::Key_Space || key->key() == Qt::Key_Return ||
                               key->key() == Qt::Key_Enter;
            if (!press || !handler_) {
                return false;
            }
            if (!key->isAutoRepeat()) {
                handler_();
            }
            return true;
        }
        default:
            return false;
        }
    }

private:
    QLabel* label_;
    std::function<void()> handler_;
    bool pressed_ = false;
};

} // namespace

void makeLink(QLabel* label, std::function<void()> handler) {
    label->setCursor(Qt::PointingHandCursor);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    label->setPalette(palette);
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    // Tab reaches it and Space or Return follows it; a click leaves the focus where it was.
    label->setFocusPolicy(Qt::TabFocus);
    accessibility::exposeAs(label, QAccessible::Link, handler);
    label->installEventFilter(new LinkClick(label, std::move(handler)));
}

void takeClicks(QLabel* label) {
    label->installEventFilter(new LinkClick(label, nullptr));
}

} // namespace ui
