#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

namespace chrome {

// A skin picture compiled into the library, by file name: "image1.bmp" .. "image8.bmp",
// "close.bmp", "close-down.bmp", "minimise.bmp", "minimise-down.bmp". 24 bits per pixel.
QImage skinPicture(const QString& fileName);

// Scales without blending: every pixel of the result takes the colour of one source pixel,
// source column x * width / newWidth and row y * height / newHeight, so shrinking by one
// drops the last column or row and stretching repeats them.
QImage scaleColorOnColor(const QImage& source, const QSize& size);

// The menu background colour (clMenu). Qt has no palette role for it; menus paint their
// background with the Window role of the palette the application keeps for QMenu (the
// platform theme's menu palette where there is one), so that colour is the menu colour.
QColor menuColor();

} // namespace chrome
