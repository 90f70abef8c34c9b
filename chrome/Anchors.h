#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>

class QWidget;

namespace chrome {

// Which edges of its parent a child keeps its distance to. A child anchored to neither
// horizontal edge keeps its centre at the same proportion of the parent's width, and
// likewise vertically.
enum Anchor : unsigned {
    AnchorLeft = 1,
    AnchorTop = 2,
    AnchorRight = 4,
    AnchorBottom = 8,
    AnchorLeftTop = AnchorLeft | AnchorTop,
    AnchorAll = AnchorLeft | AnchorTop | AnchorRight | AnchorBottom,
};

// Places children again whenever their parent changes size, by the anchors each was
// given. Geometry is remembered as it stands when the child is added.
class Anchors : public QObject {
public:
    explicit Anchors(QWidget* parent);

    void add(QWidget* child, unsigned anchors);
    // Where the anchors put a child of the given design bounds inside a parent of the
    // given size. Public so the rule can be checked on its own.
    static QRect place(const QRect& designBounds, const QSize& designParent, unsigned anchors,
                       const QSize& parent);

    void placeAll();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        QPointer<QWidget> child;
        QRect designBounds;
        QSize designParent;
        unsigned anchors;
    };
    QWidget* parent_;
    QList<Entry> entries_;
};

} // namespace chrome
