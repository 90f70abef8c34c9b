#include "AccessibleBehaviour.h"

#include <QWidget>

namespace ui {

AccessibleBehaviour::AccessibleBehaviour(QWidget* widget, QAccessible::Role role,
                                         std::function<void()> press)
    : QObject(widget), role_(role), press_(std::move(press)) {}

const AccessibleBehaviour* AccessibleBehaviour::of(const QObject* object) {
    if (!object) {
        return nullptr;
    }
    // No meta-object of its own, so found by its C++ type.
    for (const QObject* child : object->children()) {
        if (const auto* behaviour = dynamic_cast<const AccessibleBehaviour*>(child)) {
            return behaviour;
        }
    }
    return nullptr;
}

} // namespace ui
