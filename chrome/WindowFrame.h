#pragma once

#include "FrameDrag.h"

#include <QEvent>
#include <QHash>
#include <QObject>
#include <QPointer>

#include <array>
#include <memory>

class QLabel;
class QMouseEvent;
class QWidget;

namespace chrome {

class Anchors;
class TfcImageBtn;
class TfcImager;
struct HandlerSet;

// The skinned frame of a borderless window: the frame images, the hot zones that move and
// resize the window, and the two caption buttons.
class WindowFrame : public QObject {
    Q_OBJECT

public:
    // Design size of the window; the zones' bounds are given at this size.
    static constexpr int DesignWidth = 750;
    static constexpr int DesignHeight = 573;

    // Creates Image8..Image1 then PaintBox9..PaintBox1 as children of `window`, in that order
    // so that later ones lie above, placed for the window's present size and anchored through
    // `anchors`. Raises `titleLabel` above them and wires it with Image2 to the title
    // handlers. Creates the caption buttons fcImageBtn2 (close) and fcImageBtn1 (minimise)
    // above everything, tinted white; their clicks and hover colours are the window's.
    // The frame drags the window through the geometry of the running platform.
    WindowFrame(QWidget* window, Anchors* anchors, QLabel* titleLabel);
    WindowFrame(QWidget* window, Anchors* anchors, QLabel* titleLabel,
                std::unique_ptr<WindowGeometry> geometry);
    ~WindowFrame() override;

    FrameDrag& drag() { return drag_; }
    TfcImager* image(int number) const;  // Image1..Image8
    QWidget* paintBox(int number) const; // PaintBox1..PaintBox9
    TfcImageBtn* closeButton() const { return fcImageBtn2_; }
    TfcImageBtn* minimiseButton() const { return fcImageBtn1_; }

    // Puts the caption buttons back on top, for windows that create children afterwards.
    void raiseCaptionButtons();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addZone(QWidget* zone, const HandlerSet* handlers);
    QWidget* zoneAt(const QPoint& inWindow) const;
    void deliver(QWidget* zone, QEvent::Type type, const QPoint& inWindow);
    void route(QWidget* receiver, QMouseEvent* event);
    bool handOver(QWidget* zone, const QPoint& inWindow);

    QWidget* window_;
    std::unique_ptr<WindowGeometry> geometry_;
    FrameDrag drag_;
    std::array<TfcImager*, 8> images_{};
    std::array<QWidget*, 9> paintBoxes_{};
    TfcImageBtn* fcImageBtn2_ = nullptr;
    TfcImageBtn* fcImageBtn1_ = nullptr;
    // Every zone, with its handler set (none for the inert corner images).
    QHash<QWidget*, const HandlerSet*> zones_;
    // After a primary-button press, the zone that has the pointer (null: some other control
    // has it); without one, events go to the zone under the pointer.
    bool captured_ = false;
    QPointer<QWidget> capture_;
};

} // namespace chrome
