#include "AccessiblePage.h"

#include <QWidget>
#include <algorithm>
#include <tuple>

namespace browser {

namespace {

const QString kPress = QStringLiteral("Press");

} // namespace

AccessiblePage::AccessiblePage(QWidget* surface, PageText page, std::function<void(int)> pressLink)
    : QAccessibleWidget(surface, QAccessible::Document), page_(std::move(page)),
      pressLink_(std::move(pressLink)),
      caret_(std::clamp(page_.readingStart, 0, static_cast<int>(page_.text.size()))) {}

AccessiblePage::~AccessiblePage() {
    for (const QAccessible::Id id : std::as_const(links_)) {
        if (id) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
}

bool AccessiblePage::moveCaretByLines(int lines) {
    const QString& text = page_.text;
    int position = caret_;
    for (; lines > 0; --lines) {
        const int end = text.indexOf(QLatin1Char('\n'), position);
        if (end < 0 || end + 1 >= text.size()) {
            return false;
        }
        position = end + 1;
    }
    for (; lines < 0; ++lines) {
        const int start = position > 0 ? text.lastIndexOf(QLatin1Char('\n'), position - 1) : -1;
        if (start < 0) {
            return false;
        }
        position = start > 0 ? text.lastIndexOf(QLatin1Char('\n'), start - 1) + 1 : 0;
    }
    setCursorPosition(position);
    return true;
}

void AccessiblePage::placeCaret(int position) {
    caret_ = std::clamp(position, 0, characterCount());
}

QAccessibleInterface* AccessiblePage::link(int index) const {
    if (index < 0 || index >= page_.links.size()) {
        return nullptr;
    }
    if (links_.isEmpty()) {
        links_.resize(page_.links.size());
    }
    if (!links_[index]) {
        links_[index] = QAccessible::registerAccessibleInterface(
            new AccessiblePageLink(const_cast<AccessiblePage*>(this), index));
    }
    return QAccessible::accessibleInterface(links_[index]);
}

void AccessiblePage::pressLink(int index) const {
    if (pressLink_ && index >= 0 && index < page_.links.size()) {
        pressLink_(index);
    }
}

QString AccessiblePage::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Name) {
        return page_.title;
    }
    return QAccessibleWidget::text(kind);
}

QAccessible::State AccessiblePage::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.multiLine = true;
    state.focusable = true;
    return state;
}

int AccessiblePage::childCount() const {
    return static_cast<int>(page_.links.size());
}

QAccessibleInterface* AccessiblePage::child(int index) const {
    return link(index);
}

int AccessiblePage::indexOfChild(const QAccessibleInterface* child) const {
    const auto* item = dynamic_cast<const AccessiblePageLink*>(child);
    if (!item || item->index() >= links_.size() ||
        links_[item->index()] != QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child))) {
        return -1;
    }
    return item->index();
}

QAccessibleInterface* AccessiblePage::childAt(int, int) const {
    // Where a link lies on the screen is the engine's to know; none is claimed.
    return nullptr;
}

QAccessibleInterface* AccessiblePage::focusChild() const {
    for (int index = 0; index < links_.size(); ++index) {
        if (!links_[index]) {
            continue;
        }
        auto* item =
            static_cast<AccessiblePageLink*>(QAccessible::accessibleInterface(links_[index]));
        if (item && item->state().focused) {
            return item;
        }
    }
    return nullptr;
}

void* AccessiblePage::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

void AccessiblePage::selection(int, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
}

int AccessiblePage::selectionCount() const {
    return 0;
}

void AccessiblePage::addSelection(int, int) {}

void AccessiblePage::removeSelection(int) {}

void AccessiblePage::setSelection(int, int, int) {}

int AccessiblePage::cursorPosition() const {
    return caret_;
}

void AccessiblePage::setCursorPosition(int position) {
    position = std::clamp(position, 0, characterCount());
    if (position == caret_) {
        return;
    }
    caret_ = position;
    QAccessibleTextCursorEvent moved(this, caret_);
    QAccessible::updateAccessibility(&moved);
}

QString AccessiblePage::text(int startOffset, int endOffset) const {
    const int size = characterCount();
    startOffset = std::clamp(startOffset, 0, size);
    endOffset = endOffset < 0 ? size : std::clamp(endOffset, startOffset, size);
    return page_.text.mid(startOffset, endOffset - startOffset);
}

std::pair<int, int> AccessiblePage::lineAt(int offset) const {
    const QString& text = page_.text;
    offset = std::clamp(offset, 0, characterCount());
    const int start = offset > 0 ? text.lastIndexOf(QLatin1Char('\n'), offset - 1) + 1 : 0;
    const int end = text.indexOf(QLatin1Char('\n'), offset);
    return {start, end < 0 ? characterCount() : end + 1};
}

QString AccessiblePage::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                     int* startOffset, int* endOffset) const {
    if (boundaryType != QAccessible::LineBoundary) {
        return QAccessibleTextInterface::textAtOffset(offset, boundaryType, startOffset, endOffset);
    }
    std::tie(*startOffset, *endOffset) = lineAt(offset);
    return text(*startOffset, *endOffset);
}

QString AccessiblePage::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                         int* startOffset, int* endOffset) const {
    if (boundaryType != QAccessible::LineBoundary) {
        return QAccessibleTextInterface::textBeforeOffset(offset, boundaryType, startOffset,
                                                          endOffset);
    }
    const int start = lineAt(offset).first;
    if (start == 0) {
        *startOffset = *endOffset = 0;
        return QString();
    }
    return textAtOffset(start - 1, boundaryType, startOffset, endOffset);
}

QString AccessiblePage::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                        int* startOffset, int* endOffset) const {
    if (boundaryType != QAccessible::LineBoundary) {
        return QAccessibleTextInterface::textAfterOffset(offset, boundaryType, startOffset,
                                                         endOffset);
    }
    const int end = lineAt(offset).second;
    if (end >= characterCount()) {
        *startOffset = *endOffset = characterCount();
        return QString();
    }
    return textAtOffset(end, boundaryType, startOffset, endOffset);
}

int AccessiblePage::characterCount() const {
    return static_cast<int>(page_.text.size());
}

QRect AccessiblePage::characterRect(int) const {
    return QRect();
}

int AccessiblePage::offsetAtPoint(const QPoint&) const {
    return -1;
}

void AccessiblePage::scrollToSubstring(int, int) {}

QString AccessiblePage::attributes(int, int* startOffset, int* endOffset) const {
    // One run without attributes: the whole text.
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}

AccessibleView::AccessibleView(QWidget* view) : QAccessibleWidget(view, QAccessible::Client) {}

int AccessibleView::childCount() const {
    return widget()->focusProxy() ? 1 : 0;
}

QAccessibleInterface* AccessibleView::child(int index) const {
    QWidget* surface = widget()->focusProxy();
    return index == 0 && surface ? QAccessible::queryAccessibleInterface(surface) : nullptr;
}

int AccessibleView::indexOfChild(const QAccessibleInterface* child) const {
    QWidget* surface = widget()->focusProxy();
    return child && surface && child->object() == surface ? 0 : -1;
}

QAccessibleInterface* AccessibleView::focusChild() const {
    QWidget* surface = widget()->focusProxy();
    return surface && surface->hasFocus() ? child(0) : nullptr;
}

AccessiblePageLink::AccessiblePageLink(AccessiblePage* page, int index)
    : page_(page), index_(index) {}

bool AccessiblePageLink::isValid() const {
    return page_ && page_->isValid();
}

QObject* AccessiblePageLink::object() const {
    return nullptr;
}

QWindow* AccessiblePageLink::window() const {
    return page_->window();
}

QAccessibleInterface* AccessiblePageLink::parent() const {
    return page_;
}

QAccessibleInterface* AccessiblePageLink::child(int) const {
    return nullptr;
}

int AccessiblePageLink::childCount() const {
    return 0;
}

int AccessiblePageLink::indexOfChild(const QAccessibleInterface*) const {
    return -1;
}

QAccessibleInterface* AccessiblePageLink::childAt(int, int) const {
    return nullptr;
}

QString AccessiblePageLink::text(QAccessible::Text kind) const {
    if (kind != QAccessible::Name) {
        return QString();
    }
    return page_->page().links.value(index_).name;
}

void AccessiblePageLink::setText(QAccessible::Text, const QString&) {}

QRect AccessiblePageLink::rect() const {
    return QRect();
}

QAccessible::Role AccessiblePageLink::role() const {
    return QAccessible::Link;
}

QAccessible::State AccessiblePageLink::state() const {
    QAccessible::State state;
    state.focusable = true;
    state.linked = true;
    state.focused = focused_;
    return state;
}

void* AccessiblePageLink::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ActionInterface) {
        return static_cast<QAccessibleActionInterface*>(this);
    }
    return nullptr;
}

QStringList AccessiblePageLink::actionNames() const {
    return {kPress};
}

void AccessiblePageLink::doAction(const QString& action) {
    if (action == kPress) {
        page_->pressLink(index_);
    }
}

QStringList AccessiblePageLink::keyBindingsForAction(const QString&) const {
    return {};
}

} // namespace browser
