#include "SkinPictures.h"

#include <QBuffer>
#include <QColor>

#include <array>
#include <cmath>

namespace skin {

namespace {

const QColor black(0x00, 0x00, 0x00);
const QColor white(0xFF, 0xFF, 0xFF);
const QColor light(0xDE, 0xDE, 0xDE);
const QColor key(0x3E, 0x97, 0x6A);
const QColor buttonBorder(0x6B, 0x6D, 0x6A);
const QColor cornerFace(0xB4, 0xB6, 0xB3);
const QColor cornerShadow(0x6B, 0x6D, 0x6A);
const QColor titleDarkBlue(0x42, 0x5A, 0x7C);
const QColor titleLowerBlue(0x52, 0x73, 0x9C);

// Cross-sections of the strips, from the outside of the window inwards (the right edge:
// from the inside outwards).
const std::array<QColor, 18> titleRows = {black,
                                          white,
                                          light,
                                          titleDarkBlue,
                                          QColor(0x63, 0x84, 0xAD),
                                          QColor(0x5B, 0x7B, 0xAC),
                                          QColor(0x5B, 0x7B, 0xAE),
                                          QColor(0x5A, 0x7B, 0xA4),
                                          QColor(0x59, 0x73, 0xA4),
                                          QColor(0x52, 0x73, 0x9C),
                                          QColor(0x52, 0x73, 0x9E),
                                          QColor(0x52, 0x6B, 0x94),
                                          QColor(0x52, 0x6B, 0x94),
                                          QColor(0x49, 0x6C, 0x8C),
                                          QColor(0x4B, 0x62, 0x8C),
                                          QColor(0x4A, 0x63, 0x8C),
                                          titleLowerBlue,
                                          black};
const std::array<QColor, 8> bottomRows = {
    black, white, light, light, QColor(0xDF, 0xDD, 0xDE), light, QColor(0x69, 0x6D, 0x6C), black};
const std::array<QColor, 4> leftColumns = {black, white, light, black};
const std::array<QColor, 4> rightColumns = {black, light, QColor(0x6B, 0x6D, 0x6A), black};

// The button faces shade from near white at the top left to grey at the bottom right. The
// channels only meet at the grey end, so no face pixel is a plain light grey that a
// palette's menu colour could equal.
const QColor faceLight(0xFC, 0xF7, 0xFD);
const QColor faceGrey(0xB4, 0xB4, 0xB4);
const QColor sunkenGrey(0xB5, 0xB5, 0xB5);

QImage blank(int width, int height) {
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(black);
    return image;
}

void fill(QImage& image, int x0, int y0, int x1, int y1, const QColor& colour) {
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            image.setPixelColor(x, y, colour);
        }
    }
}

QColor blend(const QColor& from, const QColor& to, double t) {
    auto channel = [t](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * t)); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

// Shades the face x0..x1, y0..y1 diagonally from `from` at its top left to `to` at its bottom
// right.
void shade(QImage& image, int x0, int y0, int x1, int y1, const QColor& from, const QColor& to) {
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const double t = (double(x - x0) / (x1 - x0) + double(y - y0) / (y1 - y0)) / 2.0;
            image.setPixelColor(x, y, blend(from, to, t));
        }
    }
}

// A raised button: dark border, white highlight along the top and left inside it, shaded face.
QImage raisedButton(int width) {
    const int height = 13;
    QImage image = blank(width, height);
    fill(image, 0, 0, width - 1, height - 1, buttonBorder);
    fill(image, 1, 1, width - 2, 1, white);
    fill(image, 1, 1, 1, height - 2, white);
    shade(image, 2, 2, width - 2, height - 2, faceLight, faceGrey);
    return image;
}

void drawCross(QImage& image, int left, int top) {
    for (int i = 0; i < 8; ++i) {
        image.setPixelColor(left + i, top + i, black);
        image.setPixelColor(left + 7 - i, top + i, black);
        if (i < 7) {
            image.setPixelColor(left + i + 1, top + i, black);
            image.setPixelColor(left + 6 - i, top + i, black);
        }
    }
}

void drawRing(QImage& image, int left, int top) {
    static const char* const rows[8] = {"..XXXX..", ".X....X.", "X......X", "X......X",
                                        "X......X", "X......X", ".X....X.", "..XXXX.."};
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            if (rows[y][x] == 'X') {
                image.setPixelColor(left + x, top + y, black);
            }
        }
    }
}

QImage closeButton() {
    QImage image = raisedButton(26);
    drawCross(image, 9, 3);
    return image;
}

QImage closeButtonDown() {
    QImage image = blank(26, 13);
    shade(image, 2, 2, 24, 11, sunkenGrey, faceLight);
    fill(image, 0, 0, 25, 1, buttonBorder);
    fill(image, 0, 0, 1, 12, buttonBorder);
    fill(image, 0, 12, 25, 12, white);
    fill(image, 25, 0, 25, 12, white);
    drawCross(image, 10, 4);
    return image;
}

QImage minimiseButton() {
    QImage image = raisedButton(16);
    drawRing(image, 4, 3);
    return image;
}

void copyInto(QImage& target, const QImage& source, int left, int top) {
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            target.setPixelColor(left + x, top + y, source.pixelColor(x, y));
        }
    }
}

template <size_t N> QImage horizontalStrip(int width, const std::array<QColor, N>& rows) {
    QImage image = blank(width, N);
    for (size_t y = 0; y < N; ++y) {
        fill(image, 0, int(y), width - 1, int(y), rows[y]);
    }
    return image;
}

template <size_t N> QImage verticalStrip(int height, const std::array<QColor, N>& columns) {
    QImage image = blank(N, height);
    for (size_t x = 0; x < N; ++x) {
        fill(image, int(x), 0, int(x), height - 1, columns[x]);
    }
    return image;
}

// The title strip's blue at the side where the strip joins a top corner piece.
void titleJoin(QImage& image, int x) {
    fill(image, x, 3, x, 15, titleDarkBlue);
    image.setPixelColor(x, 16, titleLowerBlue);
}

QImage topLeftCorner() {
    QImage image = horizontalStrip(33, titleRows);
    for (int x = 0; x < 4; ++x) {
        fill(image, x, x, x, 17, leftColumns[x]);
    }
    fill(image, 0, 0, 32, 0, black);
    fill(image, 1, 1, 32, 1, white);
    fill(image, 2, 2, 32, 2, light);
    copyInto(image, closeButton(), 3, 3);
    titleJoin(image, 32);
    // The one pixel the window's own background shows through.
    image.setPixelColor(0, 0, key);
    return image;
}

QImage topRightCorner() {
    QImage image = horizontalStrip(24, titleRows);
    for (int x = 20; x < 24; ++x) {
        fill(image, x, 0, x, 17, rightColumns[x - 20]);
    }
    fill(image, 0, 0, 23, 0, black);
    fill(image, 0, 1, 21, 1, white);
    fill(image, 0, 2, 21, 2, light);
    // The topmost pixels of the right edge's outer lines.
    image.setPixelColor(22, 1, QColor(0x6B, 0x6D, 0x6C));
    fill(image, 22, 2, 22, 17, QColor(0x6B, 0x6D, 0x6C));
    copyInto(image, minimiseButton(), 4, 3);
    titleJoin(image, 0);
    return image;
}

// Bottom corners: black outer line, white highlight along the top and the inner side, grey
// face, dark line, black bottom line. `outerLeft` tells on which side the window's edge is.
QImage bottomCorner(int width, bool outerLeft) {
    QImage image = blank(width, 8);
    const int inner = outerLeft ? width - 1 : 0;
    const int first = outerLeft ? 2 : 0;
    const int last = outerLeft ? width - 1 : width - 3;
    fill(image, first, 1, last, 1, white);
    fill(image, first, 2, last, 5, cornerFace);
    fill(image, inner, 1, inner, 5, white);
    fill(image, first, 6, last, 6, cornerShadow);
    if (outerLeft) {
        // The left edge's white and grey lines run down into the corner.
        fill(image, 1, 0, 1, 6, white);
        image.setPixelColor(2, 0, light);
    } else {
        fill(image, width - 2, 0, width - 2, 6, rightColumns[2]);
        image.setPixelColor(width - 3, 0, light);
    }
    return image;
}

} // namespace

std::vector<NamedPicture> skinPictures() {
    return {
        {QStringLiteral("image1.bmp"), topLeftCorner()},
        {QStringLiteral("image2.bmp"), horizontalStrip(22, titleRows)},
        {QStringLiteral("image3.bmp"), topRightCorner()},
        {QStringLiteral("image4.bmp"), verticalStrip(20, leftColumns)},
        {QStringLiteral("image5.bmp"), verticalStrip(20, rightColumns)},
        {QStringLiteral("image6.bmp"), bottomCorner(21, true)},
        {QStringLiteral("image7.bmp"), horizontalStrip(22, bottomRows)},
        {QStringLiteral("image8.bmp"), bottomCorner(22, false)},
        {QStringLiteral("close.bmp"), closeButton()},
        {QStringLiteral("close-down.bmp"), closeButtonDown()},
        {QStringLiteral("minimise.bmp"), minimiseButton()},
        // The minimise button does not change when pressed.
        {QStringLiteral("minimise-down.bmp"), minimiseButton()},
    };
}

QByteArray bmpBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP");
    return bytes;
}

} // namespace skin
