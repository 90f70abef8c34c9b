#include "CompositorGeometry.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace chrome {

bool CompositorGeometry::startSystemDrag(Qt::Edges edges) {
    QWindow* handle = window_->windowHandle();
    if (!handle) {
        return false;
    }
    return edges ? handle->startSystemResize(edges) : handle->startSystemMove();
}

std::unique_ptr<WindowGeometry> platformGeometry(QWidget* window) {
    // "wayland", and its variants such as "wayland-egl".
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        return std::make_unique<CompositorGeometry>(window);
    }
    return std::make_unique<WidgetGeometry>(window);
}

} // namespace chrome
