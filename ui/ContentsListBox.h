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

signals:
    // A double click anywhere in the list, on an item or not; the selection says which.
    void listDoubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

} // namespace ui
