#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

namespace chrome {

// Tints of the caption buttons: white, and a light blue while the pointer is over one.
inline const QColor captionButtonColor{255, 255, 255};
inline const QColor captionButtonHoverColor{204, 211, 227};

// Image button: its face is its picture scaled to the button and tinted by Color. Pixels of
// the key colour (the menu colour, clMenu) are painted black. A primary-button press shows
// ImageDown while the pointer stays inside; releasing inside clicks. Tab reaches it, and Space
// or Return clicks it.
class TfcImageBtn : public QWidget {
    Q_OBJECT

public:
    explicit TfcImageBtn(QWidget* parent = nullptr);

    const QImage& Image() const { return image_; }
    void setImage(const QImage& image);

    const QImage& ImageDown() const { return imageDown_; }
    void setImageDown(const QImage& image);

    // The tint; an invalid colour (clNone) leaves the picture as it is.
    QColor Color() const { return color_; }
    void setColor(const QColor& colour);

    // The key colour, resolved from the palette each time it is asked for.
    QColor TransparentColor() const;

    // In the pressed state.
    bool isDown() const { return down_; }

    // The face as painted: picture scaled to the button, tinted, key colour black.
    QImage face() const;

signals:
    void clicked();
    void entered();
    void left();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool inside(const QPoint& point) const;
    void setDown(bool down);

    QImage image_;
    QImage imageDown_;
    QColor color_;
    bool down_ = false;
    bool tracking_ = false; // a primary-button press began on the button and is held
};

} // namespace chrome
