#pragma once

#include <QAccessibleWidget>
#include <QList>
#include <QString>
#include <functional>

namespace browser {

// The text of a page as a screen reader reads it: the page's rendered text, one line per
// block of the page, with the links in it and the place where reading starts.
struct PageText {
    struct Link {
        QString name;
        int start = 0; // offset of the link's text in `text`
    };

    QString title;
    QString text;
    int readingStart = 0;
    QList<Link> links;
};

// The page shown, as a screen reader meets it: one document whose text is the page's text,
// with a caret that reading moves, and the page's links as its children. The engine's own
// description of a page offers no text to a screen reader's reading commands; this one does.
// It stands for the widget the view draws in, which keeps the keyboard focus as before.
class AccessiblePage : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    // `pressLink` follows link `index` of `page.links` as a click on it does.
    AccessiblePage(QWidget* surface, PageText page, std::function<void(int)> pressLink);
    ~AccessiblePage() override;

    const PageText& page() const { return page_; }
    // Moves the caret a line down (`lines` > 0) or up, as the arrow keys move through the
    // page, and tells the screen reader. False at the first or last line.
    bool moveCaretByLines(int lines);
    // Puts the caret at `position` without telling: the focus moving there tells.
    void placeCaret(int position);
    // The accessible object of link `index`, or null.
    QAccessibleInterface* link(int index) const;
    void pressLink(int index) const;

    // QAccessibleInterface
    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleTextInterface
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    // Lines are the page's blocks, each with the line break that ends it; other units as
    // the defaults find them.
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                             int* startOffset, int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                            int* startOffset, int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    // The line that holds `offset`: [start, end), the end just past its line break.
    std::pair<int, int> lineAt(int offset) const;

    PageText page_;
    std::function<void(int)> pressLink_;
    int caret_ = 0;
    // Made on first use, kept for the page's life so that a screen reader meets the same ones.
    mutable QList<QAccessible::Id> links_;
};

// The view around the page: its one child is the widget the view draws in (an AccessiblePage
// once a page is shown), so that a screen reader finds the page where it sits in the window.
class AccessibleView : public QAccessibleWidget {
public:
    explicit AccessibleView(QWidget* view);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* focusChild() const override;
};

// One link of the page shown; its press action follows it.
class AccessiblePageLink : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    AccessiblePageLink(AccessiblePage* page, int index);

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

    int index() const { return index_; }
    void setFocused(bool focused) { focused_ = focused; }

private:
    AccessiblePage* page_;
    int index_;
    bool focused_ = false;
};

} // namespace browser
