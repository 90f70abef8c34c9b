#include "TfcImager.h"

#include "Skin.h"

#include <QPainter>
#include <QRegion>

namespace chrome {

TfcImager::TfcImager(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void TfcImager::setPicture(const QImage& picture) {
    picture_ = picture;
    applyAutoSize();
    rebuildWorkingCopy();
}

void TfcImager::setDrawStyle(ImageDrawStyle style) {
    drawStyle_ = style;
    updateOpacity();
    update();
}

void TfcImager::setAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    applyAutoSize();
}

void TfcImager::setTransparent(bool transparent) {
    transparent_ = transparent;
    rebuildWorkingCopy();
}

void TfcImager::setTransparentColor(const QColor& colour) {
    transparentColor_ = colour;
    rebuildWorkingCopy();
}

void TfcImager::rebuildWorkingCopy() {
    workingCopy_ = picture_.isNull() ? QImage() : picture_.convertToFormat(QImage::Format_RGB888);
    mask_ = QBitmap();
    updateOpacity();
    // A transparent control is not opaque, so Qt paints the window's background under it
    // before the next paint.
    update();
}

void TfcImager::applyAutoSize() {
    if (autoSize_ && !picture_.isNull() && size() != picture_.size()) {
        resize(picture_.size());
    }
}

void TfcImager::updateOpacity() {
    // An opaque control that covers its rectangle spares the window painting behind it.
    const bool covers = !workingCopy_.isNull() &&
                        (drawStyle_ == dsStretch ||
                         (workingCopy_.width() >= width() && workingCopy_.height() >= height()));
    setAttribute(Qt::WA_OpaquePaintEvent, covers && !transparent_);
}

void TfcImager::resizeEvent(QResizeEvent*) {
    applyAutoSize();
    rebuildWorkingCopy();
}

QBitmap TfcImager::maskOf(const QImage& image, QRgb key) {
    // Set bits are drawn: every pixel that differs from the key in any of its three bytes.
    QImage bits(image.size(), QImage::Format_MonoLSB);
    bits.setColorCount(2);
    bits.setColor(0, QColor(Qt::color0).rgb());
    bits.setColor(1, QColor(Qt::color1).rgb());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            bits.setPixel(x, y, (image.pixel(x, y) & 0xFFFFFF) != (key & 0xFFFFFF) ? 1 : 0);
        }
    }
    return QBitmap::fromImage(bits);
}

void TfcImager::paintEvent(QPaintEvent*) {
    if (workingCopy_.isNull()) {
        return;
    }
    QPainter painter(this);
    const QSize target = drawStyle_ == dsStretch ? size() : workingCopy_.size();
    if (target == workingCopy_.size()) {
        if (transparent_) {
            if (mask_.isNull()) {
                const QRgb key = transparentColor_.isValid() ? transparentColor_.rgb()
                                                             : workingCopy_.pixel(0, 0);
                mask_ = maskOf(workingCopy_, key);
            }
            painter.setClipRegion(QRegion(mask_));
        }
        painter.drawImage(0, 0, workingCopy_);
        return;
    }
    // Stretched from a 32-bit copy of the small picture, so the large result is drawn
    // without a conversion.
    const QImage stretched =
        scaleColorOnColor(workingCopy_.convertToFormat(QImage::Format_RGB32), target);
    if (transparent_) {
        painter.setClipRegion(QRegion(maskOf(stretched, stretched.pixel(0, 0))));
    }
    painter.drawImage(0, 0, stretched);
}

} // namespace chrome
