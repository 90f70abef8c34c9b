#include "AccessibleReaderWidget.h"

#include "Accessibility.h"
#include "AccessibleBehaviour.h"

#include <QLabel>
#include <QMetaObject>

namespace ui {

AccessibleReaderWidget::AccessibleReaderWidget(QWidget* widget, QAccessible::Role role)
    : QAccessibleWidget(widget, role) {}

QString AccessibleReaderWidget::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
        if (const auto* label = qobject_cast<const QLabel*>(widget())) {
            return accessibility::spokenText(label->text());
        }
    }
    return QAccessibleWidget::text(kind);
}

QAccessible::State AccessibleReaderWidget::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    if (role() == QAccessible::Link) {
        state.linked = true;
    }
    return state;
}

QList<QAccessibleInterface*> AccessibleReaderWidget::shownChildren() const {
    // Qt's own list of child widgets, less the decoration.
    QList<QAccessibleInterface*> shown;
    const int count = QAccessibleWidget::childCount();
    for (int index = 0; index < count; ++index) {
        QAccessibleInterface* child = QAccessibleWidget::child(index);
        if (child && !accessibility::isHiddenFromScreenReaders(child->object())) {
            shown.append(child);
        }
    }
    return shown;
}

int AccessibleReaderWidget::childCount() const {
    return static_cast<int>(shownChildren().size());
}

QAccessibleInterface* AccessibleReaderWidget::child(int index) const {
    return shownChildren().value(index);
}

int AccessibleReaderWidget::indexOfChild(const QAccessibleInterface* child) const {
    return static_cast<int>(shownChildren().indexOf(const_cast<QAccessibleInterface*>(child)));
}

bool AccessibleReaderWidget::pressable() const {
    const AccessibleBehaviour* behaviour = AccessibleBehaviour::of(widget());
    return behaviour && behaviour->press();
}

QStringList AccessibleReaderWidget::actionNames() const {
    QStringList names = QAccessibleWidget::actionNames();
    if (pressable()) {
        names.prepend(pressAction());
    }
    return names;
}

void AccessibleReaderWidget::doAction(const QString& action) {
    if (action != pressAction() || !pressable()) {
        QAccessibleWidget::doAction(action);
        return;
    }
    // Run after the screen reader has its answer: the press may open a modal box or
    // close the window, and the screen reader must not wait on either.
    QMetaObject::invokeMethod(widget(), AccessibleBehaviour::of(widget())->press(),
                              Qt::QueuedConnection);
}

QStringList AccessibleReaderWidget::keyBindingsForAction(const QString& action) const {
    if (action == pressAction()) {
        return {};
    }
    return QAccessibleWidget::keyBindingsForAction(action);
}

} // namespace ui
