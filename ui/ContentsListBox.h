#pragma once

#include <QListWidget>

namespace ui {

// The table of contents list (`ListBox1`): unsorted, single selection, 13-pixel items,
// and a double click reported wherever it lands in the list.
class ContentsListBox : public QListWidget {
    Q_OBJECT

public:
    explicit ContentsListBox(QWidget* parent);

    // The index of the selected item, or -1 when none is selected.
    int selectedIndex() const;
    // What a double click on the item at `row` does: selects it and reports the double click.
    void openItem(int row);
    // A blank row between two chapters.
    bool isSeparator(int row) const;
    // A chapter's row rather than an article's.
    bool isChapter(int row) const;

signals:
    // A double click anywhere in the list, on an item or not; the selection says which.
    void listDoubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // Return and Enter open the current entry, as a double click on it does: the list's own
    // activation, so that the book can be read without a mouse.
    void keyPressEvent(QKeyEvent* event) override;
    // A screen reader is told which entry the focus is on, not only that it is in the list.
    void focusInEvent(QFocusEvent* event) override;
    // The keys step over the blank rows between chapters, which hold nothing to read.
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
};

} // namespace ui
