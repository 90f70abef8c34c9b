#pragma once

#include <QListWidget>
#include <functional>

// The table of contents list (`ListBox1`): unsorted, single selection, 13-pixel items,
// and a double click reported wherever it lands in the list.
class ContentsListBox : public QListWidget {
public:
    explicit ContentsListBox(QWidget* parent);

    void onDoubleClick(std::function<void()> handler) { doubleClick_ = std::move(handler); }
    // The index of the selected item, or -1 when none is selected.
    int selectedIndex() const;
    // What a double click on the item at `row` does: selects it and runs the handler.
    void openItem(int row);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    std::function<void()> doubleClick_;
};
