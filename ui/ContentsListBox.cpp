#include "ContentsListBox.h"

#include "book/Contents.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QStyledItemDelegate>
#include <QTimer>

namespace ui {

namespace {

constexpr int kItemHeight = 13;

class FixedHeightDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width(), kItemHeight);
    }
};

} // namespace

ContentsListBox::ContentsListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    setUniformItemSizes(true);
    setItemDelegate(new FixedHeightDelegate(this));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
}

int ContentsListBox::selectedIndex() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.constFirst().row();
}

void ContentsListBox::openItem(int row) {
    setCurrentRow(row);
    emit listDoubleClicked();
}

bool ContentsListBox::isSeparator(int row) const {
    const QListWidgetItem* entry = item(row);
    return entry && entry->text() == QLatin1String(book::kSeparatorItem.data(),
                                                   static_cast<int>(book::kSeparatorItem.size()));
}

bool ContentsListBox::isChapter(int row) const {
    const QListWidgetItem* entry = item(row);
    return entry && !isSeparator(row) && !entry->text().startsWith(QLatin1Char(' '));
}

void ContentsListBox::keyPressEvent(QKeyEvent* event) {
    const bool activation = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (activation && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
        currentRow() >= 0) {
        event->accept();
        openItem(currentRow());
        return;
    }
    QListWidget::keyPressEvent(event);
}

void ContentsListBox::focusInEvent(QFocusEvent* event) {
    QListWidget::focusInEvent(event);
    // After the notice of the list itself, which follows this event.
    QTimer::singleShot(0, this, [this] {
        if (QAccessible::isActive() && hasFocus() && currentRow() >= 0) {
            QAccessibleEvent onEntry(this, QAccessible::Focus);
            onEntry.setChild(currentRow());
            QAccessible::updateAccessibility(&onEntry);
        }
    });
}

QModelIndex ContentsListBox::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const QModelIndex target = QListWidget::moveCursor(action, modifiers);
    if (!target.isValid() || !isSeparator(target.row())) {
        return target;
    }
    const bool backwards =
        action == MoveUp || action == MovePrevious || action == MovePageUp || action == MoveEnd;
    // On past the blanks in the direction of travel; at the list's end, back the other way.
    for (const int step : {backwards ? -1 : 1, backwards ? 1 : -1}) {
        for (int row = target.row() + step; row >= 0 && row < count(); row += step) {
            if (!isSeparator(row)) {
                return model()->index(row, 0);
            }
        }
    }
    return target;
}

void ContentsListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QListWidget::mouseDoubleClickEvent(event);
    emit listDoubleClicked();
}

} // namespace ui
