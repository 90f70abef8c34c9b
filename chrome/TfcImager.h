#pragma once

#include <QBitmap>
#include <QColor>
#include <QImage>
#include <QWidget>

namespace chrome {

enum ImageDrawStyle {
    dsNormal,  // at the picture's own size, from the top-left corner
    dsStretch, // stretched to the control, colour on colour
};

// Picture control of the frame: draws a skin picture at its own size or stretched, leaving
// pixels of the key colour undrawn when Transparent is on, so the window shows through.
class TfcImager : public QWidget {
    Q_OBJECT

public:
    explicit TfcImager(QWidget* parent = nullptr);

    const QImage& Picture() const { return picture_; }
    void setPicture(const QImage& picture);

    ImageDrawStyle DrawStyle() const { return drawStyle_; }
    void setDrawStyle(ImageDrawStyle style);

    // Keeps the control at the picture's size.
    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool autoSize);

    bool Transparent() const { return transparent_; }
    void setTransparent(bool transparent);

    // The key colour; an invalid colour (clNone) takes the picture's top-left pixel.
    QColor TransparentColor() const { return transparentColor_; }
    void setTransparentColor(const QColor& colour);

    // The working copy drawn on paint, and its transparency mask (null until the first
    // masked draw after a rebuild).
    const QImage& workingCopy() const { return workingCopy_; }
    const QBitmap& transparencyMask() const { return mask_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void rebuildWorkingCopy();
    void applyAutoSize();
    void updateOpacity();
    static QBitmap maskOf(const QImage& image, QRgb key);

    QImage picture_;
    QImage workingCopy_;
    QBitmap mask_;
    ImageDrawStyle drawStyle_ = dsNormal;
    bool autoSize_ = false;
    bool transparent_ = false;
    QColor transparentColor_;
};

} // namespace chrome
