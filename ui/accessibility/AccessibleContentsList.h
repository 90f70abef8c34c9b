#pragma once

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

namespace ui {

class ContentsListBox;

// The table of contents list as a screen reader meets it: a list whose items can be opened
// as a double click opens them.
class AccessibleContentsList : public QAccessibleWidget {
public:
    explicit AccessibleContentsList(ContentsListBox* list);
    ~AccessibleContentsList() override;

    int childCount() const override;
    // Item `index` is the list's row `index`, as the list's own focus and selection
    // events count them.
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

private:
    ContentsListBox* list() const;

    // Made on first use and kept, so a screen reader meets the same item each time.
    mutable QHash<int, QAccessible::Id> items_;
};

// One row of the contents list. Its press action opens the entry as a double click does;
// its toggle action selects or unselects it, as Qt's own list items do.
class AccessibleContentsItem : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    AccessibleContentsItem(ContentsListBox* list, int row);

    int row() const { return row_; }
    bool belongsTo(const ContentsListBox* list) const { return list_ == list; }

    bool isValid() const override;
    QObject* object() const override;
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text kind, const QString& text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& action) override;
    QStringList keyBindingsForAction(const QString& action) const override;

private:
    QPointer<ContentsListBox> list_;
    int row_;
};

} // namespace ui
