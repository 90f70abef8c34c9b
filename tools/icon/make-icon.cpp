// Draws the program icon, a desktop computer with a page of text on its monitor: the 48 px
// picture compiled into the program, the sizes of the desktop's icon theme and a scalable SVG,
// all from one drawing on a 48-unit grid. Pixel sizes snap every edge to whole pixels, so
// each size is as sharp as the 48 px one.
// Usage: make-icon write FOLDER   writes the icons into FOLDER
//        make-icon check FOLDER   exits 1 if a stored icon is missing or differs
#include "GeneratedFiles.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int kGrid = 48;

// A vertical or diagonal gradient between two colours, in grid units.
struct Gradient {
    double x1, y1, x2, y2;
    QColor from, to;
};

struct Paint {
    QColor colour;
    const Gradient* gradient = nullptr;
};

// Where the drawing goes: filled rectangles in whole pixels of a picture of `size` pixels
// (the SVG's size is the grid's, so its rectangles are in grid units).
class Canvas {
public:
    explicit Canvas(int size) : size_(size) {}
    virtual ~Canvas() = default;
    int size() const { return size_; }
    // A grid position in pixels, snapped.
    int snap(double units) const { return int(std::lround(units * size_ / kGrid)); }
    // How thick a one-unit line or outline is drawn: never thinner than a pixel.
    int stroke() const { return std::max(1, int(std::lround(double(size_) / kGrid))); }
    virtual void fill(const QRect& pixels, const Paint& paint) = 0;

private:
    int size_;
};

// A rectangle of the grid, snapped, at least a pixel in each direction.
QRect snapped(const Canvas& canvas, double x, double y, double width, double height) {
    const int left = canvas.snap(x), top = canvas.snap(y);
    const int right = std::max(canvas.snap(x + width), left + 1);
    const int bottom = std::max(canvas.snap(y + height), top + 1);
    return QRect(left, top, right - left, bottom - top);
}

// A box with an outline `outlineWidth` pixels wide; returns the box's inside.
QRect outlinedBox(Canvas& canvas, QRect outer, const QColor& outline, const Paint& inside,
                  int outlineWidth) {
    canvas.fill(outer, {outline});
    const QRect face = outer.adjusted(outlineWidth, outlineWidth, -outlineWidth, -outlineWidth);
    canvas.fill(face, inside);
    return face;
}

void drawComputer(Canvas& canvas) {
    static const Gradient caseShade{
        0, 34, 0, 46, QColor(0xE4, 0xE2, 0xDA), QColor(0xA8, 0xA6, 0x9E)};
    static const Gradient housing{0, 2, 0, 30, QColor(0xF0, 0xEE, 0xE6), QColor(0xB4, 0xB2, 0xAA)};
    static const Gradient screen{9, 5, 38, 26, QColor(0x3B, 0x6E, 0xC8), QColor(0x12, 0x2A, 0x5E)};
    const QColor edge(0x3A, 0x3A, 0x36);
    const int stroke = canvas.stroke();
    // Below 32 px a box drawn inside another keeps a pixel of its parent's face around it and
    // the screen loses its outline; the text lines lose their margins below 24 px. Scaled down
    // as they are, they would run together.
    const bool small = canvas.size() < 32;
    const auto inside = [&](QRect box, const QRect& parent) {
        return box.intersected(parent.adjusted(stroke, stroke, -stroke, -stroke));
    };

    // System unit lying under the monitor: floppy slot and power lamp.
    outlinedBox(canvas, snapped(canvas, 3, 35, 42, 11), edge, {QColor(), &caseShade}, stroke);
    canvas.fill(snapped(canvas, 8, 39, 15, 1), {QColor(0x5A, 0x5A, 0x55)});
    canvas.fill(snapped(canvas, 36, 38, 4, 2), {QColor(0x2E, 0xB8, 0x3C)});

    // Monitor stand, housing and screen.
    outlinedBox(canvas, snapped(canvas, 18, 30, 12, 5), edge, {QColor(0x9C, 0x9A, 0x92)}, stroke);
    const QRect face =
        outlinedBox(canvas, snapped(canvas, 6, 2, 36, 29), edge, {QColor(), &housing}, stroke);
    const QRect glass =
        outlinedBox(canvas, inside(snapped(canvas, 9, 5, 30, 22), face), QColor(0x22, 0x22, 0x20),
                    {QColor(), &screen}, small ? 0 : stroke);

    // A page of text on the screen: what the program is for. A heading, then lines of two
    // lengths one gap apart, as many as the page holds above its bottom margin.
    const QRect page = inside(snapped(canvas, 13, 8, 21, 15), glass);
    canvas.fill(page, {QColor(0xF8, 0xF8, 0xF4)});
    const int line = stroke;
    const int pitch = std::max(2, canvas.snap(2) - canvas.snap(0));
    const int left = std::max(canvas.snap(15), page.left() + 1);
    const int heading = std::max(canvas.snap(10), page.top());
    canvas.fill(QRect(left, heading, std::min(canvas.snap(28), page.right()) - left, line),
                {QColor(0x23, 0x40, 0x6B)});
    const int lastBottom = page.bottom() + 1 - (canvas.size() < 24 ? 0 : line);
    int y = std::max(canvas.snap(13), heading + pitch);
    for (int row = 0; y + line <= lastBottom; ++row, y += pitch) {
        const int right = std::min(canvas.snap(row % 2 == 0 ? 30 : 32), page.right());
        canvas.fill(QRect(left, y, right - left, line), {QColor(0x70, 0x70, 0x70)});
    }
}

class PixelCanvas : public Canvas {
public:
    explicit PixelCanvas(int size) : Canvas(size), image_(size, size, QImage::Format_ARGB32) {
        image_.fill(Qt::transparent);
    }
    void fill(const QRect& pixels, const Paint& paint) override {
        QPainter painter(&image_);
        if (paint.gradient) {
            const double scale = double(size()) / kGrid;
            const Gradient& g = *paint.gradient;
            QLinearGradient gradient(g.x1 * scale, g.y1 * scale, g.x2 * scale, g.y2 * scale);
            gradient.setColorAt(0, g.from);
            gradient.setColorAt(1, g.to);
            painter.fillRect(pixels, gradient);
        } else {
            painter.fillRect(pixels, paint.colour);
        }
    }
    // The icon theme's pictures keep every shade of the drawing's gradients.
    QImage picture() const { return image_; }
    // The program's own 48 px picture keeps its 256 colours, as it has always had; the
    // transparent background keeps one palette entry.
    QImage palettePicture() const {
        return image_.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    }

private:
    QImage image_;
};

// The drawing on its own grid, as SVG rectangles with crisp edges.
class SvgCanvas : public Canvas {
public:
    SvgCanvas() : Canvas(kGrid) {}
    void fill(const QRect& box, const Paint& paint) override {
        QString fillValue = paint.colour.name();
        if (paint.gradient) {
            const Gradient& g = *paint.gradient;
            const QString id = QStringLiteral("g%1").arg(++gradientCount_);
            gradients_ +=
                QStringLiteral("    <linearGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" "
                               "x1=\"%2\" y1=\"%3\" x2=\"%4\" y2=\"%5\">\n"
                               "      <stop offset=\"0\" stop-color=\"%6\"/>\n"
                               "      <stop offset=\"1\" stop-color=\"%7\"/>\n"
                               "    </linearGradient>\n")
                    .arg(id)
                    .arg(g.x1)
                    .arg(g.y1)
                    .arg(g.x2)
                    .arg(g.y2)
                    .arg(g.from.name(), g.to.name());
            fillValue = QStringLiteral("url(#%1)").arg(id);
        }
        shapes_ +=
            QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"%5\"/>\n")
                .arg(box.x())
                .arg(box.y())
                .arg(box.width())
                .arg(box.height())
                .arg(fillValue);
    }
    QByteArray document() const {
        return QStringLiteral(
                   "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                   "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" "
                   "height=\"%1\" viewBox=\"0 0 %1 %1\" shape-rendering=\"crispEdges\">\n"
                   "  <defs>\n%2  </defs>\n%3</svg>\n")
            .arg(kGrid)
            .arg(gradients_, shapes_)
            .toUtf8();
    }

private:
    QString gradients_;
    QString shapes_;
    int gradientCount_ = 0;
};

QByteArray pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// Each stored icon and its bytes: icon-N.png for the icon theme, icon.png the 48 px one
// the program carries.
std::vector<generated::GeneratedFile> icons() {
    std::vector<generated::GeneratedFile> files;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        PixelCanvas canvas(size);
        drawComputer(canvas);
        files.push_back({QStringLiteral("icon-%1.png").arg(size), pngBytes(canvas.picture())});
        if (size == 48) {
            files.push_back({QStringLiteral("icon.png"), pngBytes(canvas.palettePicture())});
        }
    }
    SvgCanvas svg;
    drawComputer(svg);
    files.push_back({QStringLiteral("icon.svg"), svg.document()});
    return files;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    return generated::runGenerator(argc, argv, "make-icon", icons);
}
