#pragma once

#include "FrameDrag.h"

#include <memory>

namespace chrome {

// A top-level widget that the compositor places: a client cannot set its own position there,
// so a drag from the frame is handed to the compositor, which moves or resizes the window
// itself and keeps it within the window's minimum size.
class CompositorGeometry : public WidgetGeometry {
public:
    explicit CompositorGeometry(QWidget* window) : WidgetGeometry(window) {}

    bool startSystemDrag(Qt::Edges edges) override;
};

// The geometry that drags `window` on the running platform: the compositor's on Wayland,
// the window's own wherever a client places its windows (X11, XWayland, offscreen).
std::unique_ptr<WindowGeometry> platformGeometry(QWidget* window);

} // namespace chrome
