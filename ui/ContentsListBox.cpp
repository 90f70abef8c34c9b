#include "ContentsListBox.h"

#include <QStyledItemDelegate>

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

void ContentsListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QListWidget::mouseDoubleClickEvent(event);
    emit listDoubleClicked();
}

} // namespace ui
