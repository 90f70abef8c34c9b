#include "TfcImageBtn.h"

#include "Skin.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include <algorithm>

namespace chrome {

namespace {

int tinted(int channel, int tint) {
    return std::clamp(channel + tint - 192, 0, 255);
}

} // namespace

TfcImageBtn::TfcImageBtn(QWidget* parent) : QWidget(parent) {
    // Every pixel comes from the off-screen picture, so nothing is erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    // The keyboard reaches it; a click leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
}

void TfcImageBtn::setImage(const QImage& image) {
    image_ = image;
    update();
}

void TfcImageBtn::setImageDown(const QImage& image) {
    imageDown_ = image;
    update();
}

void TfcImageBtn::setColor(const QColor& colour) {
    color_ = colour;
    update();
}

QColor TfcImageBtn::TransparentColor() const {
    return menuColor();
}

QImage TfcImageBtn::face() const {
    const QImage& picture = down_ && !imageDown_.isNull() ? imageDown_ : image_;
    if (picture.isNull() || size().isEmpty()) {
        return QImage();
    }
    QImage result = scaleColorOnColor(picture.convertToFormat(QImage::Format_RGB32), size());
    const QRgb key = TransparentColor().rgb();
    for (int y = 0; y < result.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            QRgb pixel = row[x] | 0xFF000000;
            if (pixel != key && color_.isValid()) {
                pixel =
                    qRgb(tinted(qRed(pixel), color_.red()), tinted(qGreen(pixel), color_.green()),
                         tinted(qBlue(pixel), color_.blue()));
            }
            // Also catches a pixel the tint has turned into the key colour.
            row[x] = pixel == key ? qRgb(0, 0, 0) : pixel;
        }
    }
    return result;
}

void TfcImageBtn::paintEvent(QPaintEvent*) {
    QImage offscreen(size(), QImage::Format_RGB32);
    offscreen.fill(Qt::black);
    {
        QPainter composer(&offscreen);
        // Pressed without a pressed picture: the normal one, shifted down and right.
        const QPoint at = down_ && imageDown_.isNull() ? QPoint(2, 2) : QPoint(0, 0);
        composer.drawImage(at, face());
    }
    QPainter(this).drawImage(0, 0, offscreen);
}

// Whether the window is active does not matter: it is not yet active for a moment after a
// box closes or a click activates it, and never without a window manager, and a click in that
// moment would be lost. A window that a modal box blocks gets no press at all.
bool TfcImageBtn::inside(const QPoint& point) const {
    return rect().contains(point);
}

void TfcImageBtn::setDown(bool down) {
    if (down_ != down) {
        down_ = down;
        repaint();
    }
}

void TfcImageBtn::mousePressEvent(QMouseEvent* event) {
    // Other buttons are taken and ignored, not passed on to the window.
    event->accept();
    if (event->button() != Qt::LeftButton) {
        return;
    }
    tracking_ = true;
    setDown(true);
}

void TfcImageBtn::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (tracking_) {
        setDown(inside(event->position().toPoint()));
    }
}

void TfcImageBtn::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton || !tracking_) {
        return;
    }
    tracking_ = false;
    setDown(false);
    if (inside(event->position().toPoint())) {
        // The click may close the window and take the button with it.
        QPointer<TfcImageBtn> self(this);
        emit clicked();
        if (self) {
            update();
        }
    }
}

void TfcImageBtn::keyPressEvent(QKeyEvent* event) {
    const bool press = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                       event->key() == Qt::Key_Enter;
    if (!press || event->isAutoRepeat()) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    // The click may close the window and take the button with it.
    QPointer<TfcImageBtn> self(this);
    emit clicked();
    if (self) {
        update();
    }
}

void TfcImageBtn::enterEvent(QEnterEvent*) {
    emit entered();
}

void TfcImageBtn::leaveEvent(QEvent*) {
    emit left();
}

} // namespace chrome
