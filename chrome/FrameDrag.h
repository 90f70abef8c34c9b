#pragma once

#include <QtCore/qnamespace.h>

class QWidget;

namespace chrome {

// The main window's properties as the frame handlers see them. Every setter is one separate
// change of the window's geometry; a width or height below the minimum is raised to it,
// positions are never limited.
class WindowGeometry {
public:
    virtual ~WindowGeometry() = default;

    virtual int Left() const = 0;
    virtual int Top() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual int MinWidth() const = 0;
    virtual int MinHeight() const = 0;

    virtual void setLeft(int left) = 0;
    virtual void setTop(int top) = 0;
    virtual void setWidth(int width) = 0;
    virtual void setHeight(int height) = 0;

    // A drag begun by a primary-button press on a frame zone: a move when `edges` is empty,
    // else a resize by those edges. True when the window system has taken the drag over;
    // a window that places itself says false and the frame's own handlers drag it.
    virtual bool startSystemDrag(Qt::Edges edges);
};

// WindowGeometry of a top-level widget; its minimum size is the widget's own.
class WidgetGeometry : public WindowGeometry {
public:
    explicit WidgetGeometry(QWidget* window) : window_(window) {}

    int Left() const override;
    int Top() const override;
    int Width() const override;
    int Height() const override;
    int MinWidth() const override;
    int MinHeight() const override;

    void setLeft(int left) override;
    void setTop(int top) override;
    void setWidth(int width) override;
    void setHeight(int height) override;

protected:
    QWidget* window_;
};

// The drag state every frame zone shares, and the handlers the zones feed. X and Y are the
// pointer position relative to the zone the event is reported to; since each zone moves with
// the edge its handlers drag, a pointer that stays put reports the press point again.
class FrameDrag {
public:
    explicit FrameDrag(WindowGeometry& window) : window_(window) {}

    bool MoveActive = false;
    bool EdgeResizeActive = false;
    bool CornerResizeActive = false;
    int PressX = 0;
    int PressY = 0;

    // Title strip and title label: move the window.
    void Image2MouseDown(int x, int y);
    void Image2MouseMove(int x, int y);
    void Image2MouseUp();
    // Left edge.
    void Image4MouseDown(int x, int y);
    void Image4MouseMove(int x, int y);
    void Image4MouseUp();
    // Right edge.
    void Image5MouseDown(int x, int y);
    void Image5MouseMove(int x, int y);
    void Image5MouseUp();
    // Top edge.
    void PaintBox5MouseDown(int x, int y);
    void PaintBox5MouseMove(int x, int y);
    void PaintBox5MouseUp();
    // Bottom edge.
    void Image7MouseDown(int x, int y);
    void Image7MouseMove(int x, int y);
    void Image7MouseUp();
    // Bottom-left corner.
    void PaintBox2MouseDown(int x, int y);
    void PaintBox2MouseMove(int x, int y);
    void PaintBox2MouseUp();
    // Top-left corner.
    void PaintBox6MouseDown(int x, int y);
    void PaintBox6MouseMove(int x, int y);
    void PaintBox6MouseUp();
    // Top-right corner.
    void PaintBox7MouseDown(int x, int y);
    void PaintBox7MouseMove(int x, int y);
    void PaintBox7MouseUp();
    // Bottom-right corner.
    void PaintBox3MouseDown(int x, int y);
    void PaintBox3MouseMove(int x, int y);
    void PaintBox3MouseUp();

private:
    // The guards look at the present size only: at or below the minimum, a step that would
    // not grow the window is skipped whole.
    bool widthGuardSkips(int dx) const;
    bool heightGuardSkips(int dy) const;

    WindowGeometry& window_;
};

} // namespace chrome
