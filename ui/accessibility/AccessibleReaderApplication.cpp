#include "AccessibleReaderApplication.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

namespace ui {

QList<QAccessibleInterface*> AccessibleReaderApplication::widgetWindows() {
    QList<QWindow*> ofWidgets;
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        if (QWindow* window = widget->windowHandle()) {
            ofWidgets.append(window);
        }
    }
    // In Qt's own order, and without popups, as Qt lists them.
    QList<QAccessibleInterface*> windows;
    for (QWindow* window : QGuiApplication::topLevelWindows()) {
        if (window->type() == Qt::Popup || window->type() == Qt::Desktop ||
            !ofWidgets.contains(window)) {
            continue;
        }
        QAccessibleInterface* root = window->accessibleRoot();
        if (root && root->object()) {
            windows.append(root);
        }
    }
    return windows;
}

int AccessibleReaderApplication::childCount() const {
    return static_cast<int>(widgetWindows().size());
}

QAccessibleInterface* AccessibleReaderApplication::child(int index) const {
    return widgetWindows().value(index);
}

int AccessibleReaderApplication::indexOfChild(const QAccessibleInterface* child) const {
    return static_cast<int>(widgetWindows().indexOf(const_cast<QAccessibleInterface*>(child)));
}

} // namespace ui
