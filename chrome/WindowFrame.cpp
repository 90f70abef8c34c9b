#include "WindowFrame.h"

#include "Anchors.h"
#include "CompositorGeometry.h"
#include "Skin.h"
#include "TfcImageBtn.h"
#include "TfcImager.h"

#include <QLabel>
#include <QMouseEvent>
#include <QWindow>

#include <optional>

namespace chrome {

// The three handlers a zone feeds, and the edges it drags when the window system does the
// dragging (none: it moves the window).
struct HandlerSet {
    void (FrameDrag::*down)(int, int);
    void (FrameDrag::*move)(int, int);
    void (FrameDrag::*up)();
    Qt::Edges edges;
};

namespace {

const HandlerSet title{
    &FrameDrag::Image2MouseDown, &FrameDrag::Image2MouseMove, &FrameDrag::Image2MouseUp, {}};
const HandlerSet leftEdge{&FrameDrag::Image4MouseDown, &FrameDrag::Image4MouseMove,
                          &FrameDrag::Image4MouseUp, Qt::LeftEdge};
const HandlerSet rightEdge{&FrameDrag::Image5MouseDown, &FrameDrag::Image5MouseMove,
                           &FrameDrag::Image5MouseUp, Qt::RightEdge};
const HandlerSet topEdge{&FrameDrag::PaintBox5MouseDown, &FrameDrag::PaintBox5MouseMove,
                         &FrameDrag::PaintBox5MouseUp, Qt::TopEdge};
const HandlerSet bottomEdge{&FrameDrag::Image7MouseDown, &FrameDrag::Image7MouseMove,
                            &FrameDrag::Image7MouseUp, Qt::BottomEdge};
const HandlerSet bottomLeft{&FrameDrag::PaintBox2MouseDown, &FrameDrag::PaintBox2MouseMove,
                            &FrameDrag::PaintBox2MouseUp, Qt::BottomEdge | Qt::LeftEdge};
const HandlerSet topLeft{&FrameDrag::PaintBox6MouseDown, &FrameDrag::PaintBox6MouseMove,
                         &FrameDrag::PaintBox6MouseUp, Qt::TopEdge | Qt::LeftEdge};
const HandlerSet topRight{&FrameDrag::PaintBox7MouseDown, &FrameDrag::PaintBox7MouseMove,
                          &FrameDrag::PaintBox7MouseUp, Qt::TopEdge | Qt::RightEdge};
const HandlerSet bottomRight{&FrameDrag::PaintBox3MouseDown, &FrameDrag::PaintBox3MouseMove,
                             &FrameDrag::PaintBox3MouseUp, Qt::BottomEdge | Qt::RightEdge};

constexpr unsigned L = AnchorLeft;
constexpr unsigned T = AnchorTop;
constexpr unsigned R = AnchorRight;
constexpr unsigned B = AnchorBottom;

struct ImageZone {
    int number;
    QRect bounds;
    unsigned anchors;
    ImageDrawStyle drawStyle;
    bool corner; // AutoSize and Transparent: the corner pieces
    std::optional<Qt::CursorShape> cursor;
    const HandlerSet* handlers;
};

// Creation order, lowest first.
const ImageZone imageZones[] = {
    {8, {728, 565, 22, 8}, R | B, dsNormal, true, {}, nullptr},
    {7, {21, 565, 707, 8}, L | R | B, dsStretch, false, Qt::SizeVerCursor, &bottomEdge},
    {6, {0, 565, 21, 8}, L | B, dsNormal, true, {}, nullptr},
    {5, {746, 9, 4, 556}, T | R | B, dsStretch, false, Qt::SizeHorCursor, &rightEdge},
    {4, {0, 8, 4, 557}, L | T | B, dsStretch, false, Qt::SizeHorCursor, &leftEdge},
    {3, {726, 0, 24, 18}, T | R, dsNormal, true, {}, nullptr},
    {2, {33, 0, 693, 18}, L | T | R, dsStretch, false, {}, &title},
    {1, {0, 0, 33, 18}, L | T, dsNormal, true, {}, nullptr},
};

struct HotZone {
    int number;
    QRect bounds;
    unsigned anchors;
    Qt::CursorShape cursor;
    const HandlerSet* handlers;
};

const HotZone hotZones[] = {
    {9, {746, 0, 5, 16}, T | R, Qt::SizeBDiagCursor, &topRight},
    {8, {1, 2, 4, 16}, L | T, Qt::SizeFDiagCursor, &topLeft},
    {7, {723, 0, 19, 4}, T | R, Qt::SizeBDiagCursor, &topRight},
    {6, {5, 0, 13, 5}, L | T, Qt::SizeFDiagCursor, &topLeft},
    {5, {17, 0, 711, 4}, L | T | R, Qt::SizeVerCursor, &topEdge},
    {4, {5, 566, 15, 7}, L | B, Qt::SizeBDiagCursor, &bottomLeft},
    {3, {728, 566, 21, 6}, R | B, Qt::SizeFDiagCursor, &bottomRight},
    {2, {0, 553, 5, 18}, L | B, Qt::SizeBDiagCursor, &bottomLeft},
    {1, {746, 551, 4, 21}, R | B, Qt::SizeFDiagCursor, &bottomRight},
};

const QColor frameKeyColor(0x3E, 0x97, 0x6A);

void place(QWidget* child, const QRect& designBounds, unsigned anchorEdges, Anchors* anchors) {
    // Placed for the window's present size, so the anchors keep the design distances even
    // when the window is not at its design size yet.
    child->setGeometry(Anchors::place(designBounds,
                                      QSize(WindowFrame::DesignWidth, WindowFrame::DesignHeight),
                                      anchorEdges, child->parentWidget()->size()));
    anchors->add(child, anchorEdges);
    child->show();
}

TfcImageBtn* makeCaptionButton(QWidget* window, const char* name, const QRect& bounds,
                               unsigned anchorEdges, Anchors* anchors, const QString& picture,
                               const QString& pictureDown) {
    auto* button = new TfcImageBtn(window);
    button->setObjectName(QLatin1String(name));
    button->setImage(skinPicture(picture));
    button->setImageDown(skinPicture(pictureDown));
    button->setColor(captionButtonColor);
    place(button, bounds, anchorEdges, anchors);
    button->raise();
    return button;
}

} // namespace

WindowFrame::WindowFrame(QWidget* window, Anchors* anchors, QLabel* titleLabel)
    : WindowFrame(window, anchors, titleLabel, platformGeometry(window)) {}

WindowFrame::WindowFrame(QWidget* window, Anchors* anchors, QLabel* titleLabel,
                         std::unique_ptr<WindowGeometry> geometry)
    : QObject(window), window_(window), geometry_(std::move(geometry)), drag_(*geometry_) {
    for (const ImageZone& zone : imageZones) {
        auto* image = new TfcImager(window);
        image->setObjectName(QStringLiteral("Image%1").arg(zone.number));
        image->setTransparentColor(frameKeyColor);
        image->setTransparent(zone.corner);
        image->setDrawStyle(zone.drawStyle);
        image->setPicture(skinPicture(QStringLiteral("image%1.bmp").arg(zone.number)));
        place(image, zone.bounds, zone.anchors, anchors);
        image->setAutoSize(zone.corner);
        if (zone.cursor) {
            image->setCursor(*zone.cursor);
        }
        addZone(image, zone.handlers);
        images_[zone.number - 1] = image;
    }
    for (const HotZone& zone : hotZones) {
        auto* paintBox = new QWidget(window);
        paintBox->setObjectName(QStringLiteral("PaintBox%1").arg(zone.number));
        place(paintBox, zone.bounds, zone.anchors, anchors);
        paintBox->setCursor(zone.cursor);
        addZone(paintBox, zone.handlers);
        paintBoxes_[zone.number - 1] = paintBox;
    }
    titleLabel->raise();
    addZone(titleLabel, &title);

    fcImageBtn2_ = makeCaptionButton(window, "fcImageBtn2", {3, 3, 25, 12}, L | T, anchors,
                                     QStringLiteral("close.bmp"), QStringLiteral("close-down.bmp"));
    fcImageBtn1_ =
        makeCaptionButton(window, "fcImageBtn1", {730, 3, 15, 12}, T | R, anchors,
                          QStringLiteral("minimise.bmp"), QStringLiteral("minimise-down.bmp"));
}

WindowFrame::~WindowFrame() = default;

TfcImager* WindowFrame::image(int number) const {
    return number >= 1 && number <= int(images_.size()) ? images_[number - 1] : nullptr;
}

QWidget* WindowFrame::paintBox(int number) const {
    return number >= 1 && number <= int(paintBoxes_.size()) ? paintBoxes_[number - 1] : nullptr;
}

void WindowFrame::raiseCaptionButtons() {
    fcImageBtn2_->raise();
    fcImageBtn1_->raise();
}

void WindowFrame::addZone(QWidget* zone, const HandlerSet* handlers) {
    zones_.insert(zone, handlers);
    // Moves without a button held still drag while a flag is on.
    zone->setMouseTracking(true);
    zone->installEventFilter(this);
}

QWidget* WindowFrame::zoneAt(const QPoint& inWindow) const {
    QWidget* child = window_->childAt(inWindow);
    return zones_.contains(child) ? child : nullptr;
}

void WindowFrame::deliver(QWidget* zone, QEvent::Type type, const QPoint& inWindow) {
    const HandlerSet* handlers = zones_.value(zone);
    if (!handlers) {
        return;
    }
    const QPoint at = zone->mapFrom(window_, inWindow);
    switch (type) {
    case QEvent::MouseButtonPress:
        (drag_.*handlers->down)(at.x(), at.y());
        break;
    case QEvent::MouseMove:
        (drag_.*handlers->move)(at.x(), at.y());
        break;
    case QEvent::MouseButtonRelease:
        (drag_.*handlers->up)();
        break;
    default:
        break;
    }
}

// Where the window system drags the window, the zone's own drag ends as it begins: the press
// point is fresh and the group's flag off, so no later move of ours takes the window anywhere,
// whether or not the compositor's grab lets the release through.
bool WindowFrame::handOver(QWidget* zone, const QPoint& inWindow) {
    const HandlerSet* handlers = zones_.value(zone);
    if (!handlers || !geometry_->startSystemDrag(handlers->edges)) {
        return false;
    }
    deliver(zone, QEvent::MouseButtonPress, inWindow);
    deliver(zone, QEvent::MouseButtonRelease, inWindow);
    captured_ = false;
    capture_ = nullptr;
    return true;
}

// Qt grabs the pointer for the widget pressed with any button. Only a primary-button press
// captures it here: after another button's press, events go to the zone under the pointer.
void WindowFrame::route(QWidget* receiver, QMouseEvent* event) {
    const QPoint inWindow = receiver->mapTo(window_, event->position().toPoint());
    // The second press of a double click arrives as a double-click event.
    const QEvent::Type type =
        event->type() == QEvent::MouseButtonDblClick ? QEvent::MouseButtonPress : event->type();
    const bool primary = event->button() == Qt::LeftButton;
    if (captured_ && !(event->buttons() & Qt::LeftButton) &&
        !(type == QEvent::MouseButtonRelease && primary)) {
        // The primary button's release went elsewhere.
        captured_ = false;
    }
    if (type == QEvent::MouseButtonPress && primary && !captured_) {
        captured_ = true;
        capture_ = zoneAt(inWindow);
    }
    QWidget* target = captured_ ? capture_.data() : zoneAt(inWindow);
    if (!captured_ && type == QEvent::MouseMove && event->buttons() != Qt::NoButton) {
        // Qt keeps the pressed widget's cursor while any button is held; show the one of
        // the control under the pointer instead.
        if (QWindow* handle = window_->windowHandle()) {
            QWidget* under = window_->childAt(inWindow);
            handle->setCursor(under ? under->cursor() : window_->cursor());
        }
    }
    if (type == QEvent::MouseButtonPress && primary && target && handOver(target, inWindow)) {
        return;
    }
    if (target) {
        deliver(target, type, inWindow);
    }
    if (type == QEvent::MouseButtonRelease && primary) {
        captured_ = false;
        capture_ = nullptr;
    }
}

bool WindowFrame::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease: {
        auto* zone = qobject_cast<QWidget*>(watched);
        if (zone && zones_.contains(zone)) {
            route(zone, static_cast<QMouseEvent*>(event));
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace chrome
