#include "LinkLabel.h"

#include "accessibility/Accessibility.h"

#include <QEvent>
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
    accessibility::exposeAs(label, QAccessible::Link, handler);
    label->installEventFilter(new LinkClick(label, std::move(handler)));
}

void takeClicks(QLabel* label) {
    label->installEventFilter(new LinkClick(label, nullptr));
}

} // namespace ui
