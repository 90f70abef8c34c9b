#include "AccessibleContentsList.h"

#include "ui/ContentsListBox.h"

#include <QMetaObject>

namespace ui {

AccessibleContentsList::AccessibleContentsList(ContentsListBox* list)
    : QAccessibleWidget(list, QAccessible::List) {}

AccessibleContentsList::~AccessibleContentsList() {
    for (const QAccessible::Id id : std::as_const(items_)) {
        QAccessible::deleteAccessibleInterface(id);
    }
}

ContentsListBox* AccessibleContentsList::list() const {
    return static_cast<ContentsListBox*>(widget());
}

int AccessibleContentsList::childCount() const {
    return list()->count();
}

QAccessibleInterface* AccessibleContentsList::child(int index) const {
    if (index < 0 || index >= list()->count()) {
        return nullptr;
    }
    auto known = items_.constFind(index);
    if (known != items_.constEnd()) {
        return QAccessible::accessibleInterface(*known);
    }
    auto* item = new AccessibleContentsItem(list(), index);
    items_.insert(index, QAccessible::registerAccessibleInterface(item));
    return item;
}

int AccessibleContentsList::indexOfChild(const QAccessibleInterface* child) const {
    const auto* item = dynamic_cast<const AccessibleContentsItem*>(child);
    return item && item->belongsTo(list()) && item->isValid() ? item->row() : -1;
}

QAccessibleInterface* AccessibleContentsList::childAt(int x, int y) const {
    const QPoint inViewport = list()->viewport()->mapFromGlobal(QPoint(x, y));
    if (!list()->viewport()->rect().contains(inViewport)) {
        return nullptr;
    }
    const QModelIndex index = list()->indexAt(inViewport);
    return index.isValid() ? child(index.row()) : nullptr;
}

QAccessibleInterface* AccessibleContentsList::focusChild() const {
    return list()->hasFocus() ? child(list()->currentRow()) : nullptr;
}

AccessibleContentsItem::AccessibleContentsItem(ContentsListBox* list, int row)
    : list_(list), row_(row) {}

bool AccessibleContentsItem::isValid() const {
    return list_ && row_ < list_->count();
}

QObject* AccessibleContentsItem::object() const {
    return nullptr;
}

QWindow* AccessibleContentsItem::window() const {
    return list_ ? list_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* AccessibleContentsItem::parent() const {
    return QAccessible::queryAccessibleInterface(list_.data());
}

QAccessibleInterface* AccessibleContentsItem::child(int) const {
    return nullptr;
}

int AccessibleContentsItem::childCount() const {
    return 0;
}

int AccessibleContentsItem::indexOfChild(const QAccessibleInterface*) const {
    return -1;
}

QAccessibleInterface* AccessibleContentsItem::childAt(int, int) const {
    return nullptr;
}

QString AccessibleContentsItem::text(QAccessible::Text kind) const {
    if (!isValid()) {
        return QString();
    }
    if (kind == QAccessible::Name) {
        // The indent that sets an article under its chapter is seen, not read.
        return list_->item(row_)->text().trimmed();
    }
    if (kind == QAccessible::Description && list_->isChapter(row_)) {
        // What the indent tells a sighted reader: this row is a chapter, and which one.
        int chapter = 0;
        for (int row = 0; row <= row_; ++row) {
            chapter += list_->isChapter(row) ? 1 : 0;
        }
        return QStringLiteral("глава %1").arg(chapter);
    }
    return QString();
}

void AccessibleContentsItem::setText(QAccessible::Text, const QString&) {
    // The book's entries are not edited.
}

QRect AccessibleContentsItem::rect() const {
    if (!isValid()) {
        return QRect();
    }
    const QRect inViewport = list_->visualItemRect(list_->item(row_));
    return QRect(list_->viewport()->mapToGlobal(inViewport.topLeft()), inViewport.size());
}

QAccessible::Role AccessibleContentsItem::role() const {
    return QAccessible::ListItem;
}

QAccessible::State AccessibleContentsItem::state() const {
    QAccessible::State state;
    if (!isValid()) {
        state.invisible = true;
        return state;
    }
    const QRect inViewport = list_->visualItemRect(list_->item(row_));
    state.invisible = !list_->isVisible() || !list_->viewport()->rect().intersects(inViewport);
    state.selectable = true;
    state.focusable = true;
    state.selected = list_->item(row_)->isSelected();
    state.focused = list_->hasFocus() && list_->currentRow() == row_;
    return state;
}

void* AccessibleContentsItem::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ActionInterface) {
        return static_cast<QAccessibleActionInterface*>(this);
    }
    return nullptr;
}

QStringList AccessibleContentsItem::actionNames() const {
    return {pressAction(), toggleAction()};
}

void AccessibleContentsItem::doAction(const QString& action) {
    if (!isValid()) {
        return;
    }
    if (action == pressAction()) {
        // Later, not within the screen reader's call: opening may show an error box.
        const int row = row_;
        ContentsListBox* list = list_;
        QMetaObject::invokeMethod(
            list, [list, row] { list->openItem(row); }, Qt::QueuedConnection);
    } else if (action == toggleAction()) {
        const bool selected = list_->item(row_)->isSelected();
        list_->setCurrentRow(row_, selected ? QItemSelectionModel::Deselect
                                            : QItemSelectionModel::ClearAndSelect);
    }
}

QStringList AccessibleContentsItem::keyBindingsForAction(const QString&) const {
    return {};
}

} // namespace ui
