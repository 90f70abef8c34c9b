#pragma once

#include <QAccessible>
#include <QObject>
#include <functional>

class QWidget;

namespace ui {

// The role a widget plays for a screen reader and what pressing it does, kept as a child
// object of the widget so that it lives exactly as long.
class AccessibleBehaviour : public QObject {
public:
    AccessibleBehaviour(QWidget* widget, QAccessible::Role role, std::function<void()> press);

    // The behaviour given to `object`, or null.
    static const AccessibleBehaviour* of(const QObject* object);

    QAccessible::Role role() const { return role_; }
    // Empty when the widget has no press action.
    const std::function<void()>& press() const { return press_; }

private:
    QAccessible::Role role_;
    std::function<void()> press_;
};

} // namespace ui
