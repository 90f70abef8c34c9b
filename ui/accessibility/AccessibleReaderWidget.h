#pragma once

#include <QAccessibleWidget>
#include <QList>

namespace ui {

// A widget of the reader as a screen reader meets it: in the role its AccessibleBehaviour
// gives (else as Qt would see a plain widget), with a press action when it has one, and
// without the children hidden from screen readers.
class AccessibleReaderWidget : public QAccessibleWidget {
public:
    AccessibleReaderWidget(QWidget* widget, QAccessible::Role role);

    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    QStringList actionNames() const override;
    void doAction(const QString& action) override;
    QStringList keyBindingsForAction(const QString& action) const override;

private:
    QList<QAccessibleInterface*> shownChildren() const;
    bool pressable() const;
};

} // namespace ui
