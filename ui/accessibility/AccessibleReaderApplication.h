#pragma once

#include <QAccessibleObject>
#include <QList>

namespace ui {

// The application as a screen reader meets it: its top-level objects are the windows of its
// widgets only. A Qt Quick window that draws into a widget (the web view's own, never shown)
// is part of that widget, not a window the user could find.
class AccessibleReaderApplication : public QAccessibleApplication {
public:
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    static QList<QAccessibleInterface*> widgetWindows();
};

} // namespace ui
