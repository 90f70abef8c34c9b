#include "FrameDrag.h"

#include <QWidget>

#include <algorithm>

namespace chrome {

bool WindowGeometry::startSystemDrag(Qt::Edges) {
    return false;
}

int WidgetGeometry::Left() const {
    return window_->x();
}

int WidgetGeometry::Top() const {
    return window_->y();
}

int WidgetGeometry::Width() const {
    return window_->width();
}

int WidgetGeometry::Height() const {
    return window_->height();
}

int WidgetGeometry::MinWidth() const {
    return window_->minimumWidth();
}

int WidgetGeometry::MinHeight() const {
    return window_->minimumHeight();
}

void WidgetGeometry::setLeft(int left) {
    window_->move(left, window_->y());
}

void WidgetGeometry::setTop(int top) {
    window_->move(window_->x(), top);
}

void WidgetGeometry::setWidth(int width) {
    window_->resize(std::max(width, MinWidth()), window_->height());
}

void WidgetGeometry::setHeight(int height) {
    window_->resize(window_->width(), std::max(height, MinHeight()));
}

bool FrameDrag::widthGuardSkips(int dx) const {
    return window_.Width() <= window_.MinWidth() && dx >= 0;
}

bool FrameDrag::heightGuardSkips(int dy) const {
    return window_.Height() <= window_.MinHeight() && dy >= 0;
}

void FrameDrag::Image2MouseDown(int x, int y) {
    PressX = x;
    PressY = y;
    MoveActive = true;
}

void FrameDrag::Image2MouseMove(int x, int y) {
    if (!MoveActive) {
        return;
    }
    const int dx = x - PressX;
    const int dy = y - PressY;
    window_.setTop(window_.Top() + dy);
    window_.setLeft(window_.Left() + dx);
}

void FrameDrag::Image2MouseUp() {
    MoveActive = false;
}

void FrameDrag::Image4MouseDown(int x, int) {
    PressX = x;
    EdgeResizeActive = true;
}

void FrameDrag::Image4MouseMove(int x, int) {
    if (!EdgeResizeActive) {
        return;
    }
    const int dx = x - PressX;
    if (widthGuardSkips(dx)) {
        return;
    }
    window_.setWidth(window_.Width() - dx);
    window_.setLeft(window_.Left() + dx);
}

void FrameDrag::Image4MouseUp() {
    EdgeResizeActive = false;
}

void FrameDrag::Image5MouseDown(int x, int) {
    PressX = x;
    EdgeResizeActive = true;
}

void FrameDrag::Image5MouseMove(int x, int) {
    if (!EdgeResizeActive) {
        return;
    }
    const int dx = x - PressX;
    window_.setWidth(window_.Width() + dx);
}

void FrameDrag::Image5MouseUp() {
    EdgeResizeActive = false;
}

void FrameDrag::PaintBox5MouseDown(int, int y) {
    PressY = y;
    EdgeResizeActive = true;
}

void FrameDrag::PaintBox5MouseMove(int, int y) {
    if (!EdgeResizeActive) {
        return;
    }
    const int dy = y - PressY;
    if (heightGuardSkips(dy)) {
        return;
    }
    window_.setHeight(window_.Height() - dy);
    window_.setTop(window_.Top() + dy);
}

void FrameDrag::PaintBox5MouseUp() {
    EdgeResizeActive = false;
}

void FrameDrag::Image7MouseDown(int, int y) {
    PressY = y;
    EdgeResizeActive = true;
}

void FrameDrag::Image7MouseMove(int, int y) {
    if (!EdgeResizeActive) {
        return;
    }
    const int dy = y - PressY;
    window_.setHeight(window_.Height() + dy);
}

void FrameDrag::Image7MouseUp() {
    EdgeResizeActive = false;
}

void FrameDrag::PaintBox2MouseDown(int x, int y) {
    PressX = x;
    PressY = y;
    CornerResizeActive = true;
}

void FrameDrag::PaintBox2MouseMove(int x, int y) {
    if (!CornerResizeActive) {
        return;
    }
    const int dx = x - PressX;
    const int dy = y - PressY;
    if (widthGuardSkips(dx)) {
        return;
    }
    window_.setWidth(window_.Width() - dx);
    window_.setHeight(window_.Height() + dy);
    window_.setLeft(window_.Left() + dx);
}

void FrameDrag::PaintBox2MouseUp() {
    CornerResizeActive = false;
}

void FrameDrag::PaintBox6MouseDown(int x, int y) {
    PressX = x;
    PressY = y;
    CornerResizeActive = true;
}

void FrameDrag::PaintBox6MouseMove(int x, int y) {
    if (!CornerResizeActive) {
        return;
    }
    const int dx = x - PressX;
    const int dy = y - PressY;
    if (widthGuardSkips(dx) || heightGuardSkips(dy)) {
        return;
    }
    window_.setWidth(window_.Width() - dx);
    window_.setHeight(window_.Height() - dy);
    window_.setLeft(window_.Left() + dx);
    window_.setTop(window_.Top() + dy);
}

void FrameDrag::PaintBox6MouseUp() {
    CornerResizeActive = false;
}

void FrameDrag::PaintBox7MouseDown(int x, int y) {
    PressX = x;
    PressY = y;
    CornerResizeActive = true;
}

void FrameDrag::PaintBox7MouseMove(int x, int y) {
    if (!CornerResizeActive) {
        return;
    }
    const int dx = x - PressX;
    const int dy = y - PressY;
    if (heightGuardSkips(dy)) {
        return;
    }
    window_.setWidth(window_.Width() + dx);
    window_.setHeight(window_.Height() - dy);
    window_.setTop(window_.Top() + dy);
}

void FrameDrag::PaintBox7MouseUp() {
    CornerResizeActive = false;
}

void FrameDrag::PaintBox3MouseDown(int x, int y) {
    PressX = x;
    PressY = y;
    CornerResizeActive = true;
}

void FrameDrag::PaintBox3MouseMove(int x, int y) {
    if (!CornerResizeActive) {
        return;
    }
    const int dx = x - PressX;
    const int dy = y - PressY;
    window_.setWidth(window_.Width() + dx);
    window_.setHeight(window_.Height() + dy);
}

void FrameDrag::PaintBox3MouseUp() {
    CornerResizeActive = false;
}

} // namespace chrome
