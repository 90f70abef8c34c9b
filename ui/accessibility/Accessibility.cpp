#include "Accessibility.h"

#include "AccessibleBehaviour.h"
#include "AccessibleContentsList.h"
#include "AccessibleReaderApplication.h"
#include "AccessibleReaderWidget.h"
#include "ui/ContentsListBox.h"

#include <QApplication>
#include <QWidget>

namespace ui {

namespace accessibility {

namespace {

constexpr char kHiddenProperty[] = "hiddenFromScreenReaders";

bool hasHiddenChild(const QWidget* widget) {
    for (const QObject* child : widget->children()) {
        if (isHiddenFromScreenReaders(child)) {
            return true;
        }
    }
    return false;
}

QAccessibleInterface* readerInterface(const QString& className, QObject* object) {
    // Decided once, at the object's own class; Qt's interfaces serve everything else.
    if (!object || className != QLatin1String(object->metaObject()->className())) {
        return nullptr;
    }
    if (object == qApp) {
        return new AccessibleReaderApplication;
    }
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) {
        return nullptr;
    }
    if (auto* list = dynamic_cast<ContentsListBox*>(widget)) {
        return new AccessibleContentsList(list);
    }
    if (const AccessibleBehaviour* behaviour = AccessibleBehaviour::of(widget)) {
        return new AccessibleReaderWidget(widget, behaviour->role());
    }
    if (hasHiddenChild(widget)) {
        // A plain container, as Qt would show it, less its decoration.
        return new AccessibleReaderWidget(widget, QAccessible::Client);
    }
    return nullptr;
}

// Qt makes an object's interface as soon as anything about it changes while accessibility
// is on (a label's, when its text is set). One made before the object got its part here
// would keep the stock role and children; dropped, the next query makes the right one.
void dropInterfaceMadeEarlier(QObject* object) {
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(object)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}

} // namespace

void installReaderFactory() {
    // Asked before the factories installed earlier, Qt's own among them.
    QAccessible::installFactory(&readerInterface);
}

void exposeAs(QWidget* control, QAccessible::Role role, std::function<void()> press) {
    delete AccessibleBehaviour::of(control);
    new AccessibleBehaviour(control, role, std::move(press));
    dropInterfaceMadeEarlier(control);
}

void hideFromScreenReaders(QWidget* widget) {
    widget->setProperty(kHiddenProperty, true);
    if (QWidget* parent = widget->parentWidget()) {
        dropInterfaceMadeEarlier(parent);
    }
}

bool isHiddenFromScreenReaders(const QObject* object) {
    return object && object->property(kHiddenProperty).toBool();
}

QString spokenText(const QString& caption) {
    return caption.simplified();
}

} // namespace accessibility

} // namespace ui
