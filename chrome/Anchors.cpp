#include "Anchors.h"

#include <QEvent>
#include <QWidget>

namespace chrome {

Anchors::Anchors(QWidget* parent) : QObject(parent), parent_(parent) {
    parent->installEventFilter(this);
}

void Anchors::add(QWidget* child, unsigned anchors) {
    entries_.append({child, child->geometry(), parent_->size(), anchors});
}

namespace {

// One axis of the anchoring rule.
void placeSpan(int designStart, int designLength, int designParent, bool nearEdge, bool farEdge,
               int parent, int& start, int& length) {
    const int growth = parent - designParent;
    length = designLength;
    start = designStart;
    if (nearEdge && farEdge) {
        length = designLength + growth;
    } else if (farEdge) {
        start = designStart + growth;
    } else if (!nearEdge && designParent > 0) {
        // Keep the centre at the same proportion of the parent.
        const double centre = (designStart + designLength / 2.0) / designParent;
        start = static_cast<int>(centre * parent - designLength / 2.0 + 0.5);
    }
}

} // namespace

QRect Anchors::place(const QRect& designBounds, const QSize& designParent, unsigned anchors,
                     const QSize& parent) {
    int x = 0, width = 0, y = 0, height = 0;
    placeSpan(designBounds.x(), designBounds.width(), designParent.width(), anchors & AnchorLeft,
              anchors & AnchorRight, parent.width(), x, width);
    placeSpan(designBounds.y(), designBounds.height(), designParent.height(), anchors & AnchorTop,
              anchors & AnchorBottom, parent.height(), y, height);
    return QRect(x, y, qMax(0, width), qMax(0, height));
}

void Anchors::placeAll() {
    for (const Entry& entry : entries_) {
        if (entry.child) {
            entry.child->setGeometry(
                place(entry.designBounds, entry.designParent, entry.anchors, parent_->size()));
        }
    }
}

bool Anchors::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent_ && event->type() == QEvent::Resize) {
        placeAll();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace chrome
