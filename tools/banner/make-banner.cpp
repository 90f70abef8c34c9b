// Draws the partner shop's banner for the side panel: 118 x 21, 256 colours.
// Usage: make-banner OUT.bmp
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QVector>
#include <cstdio>

namespace {

constexpr int kWidth = 118;
constexpr int kHeight = 21;

const QColor kTopBlue(0x1F, 0x58, 0xA8);
const QColor kBottomBlue(0x0A, 0x24, 0x56);
const QColor kEdge(0x05, 0x14, 0x33);
const QColor kOrange(0xF5, 0x8E, 0x1C);

QFont bannerFont(const QString& family, int pixelSize, bool bold) {
    QFont font(family);
    font.setFamilies({family, QStringLiteral("DejaVu Sans")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// How much of each pixel a text covers, in quarters, so that the smoothed edges need few
// colours and the whole banner keeps within one 256-colour palette.
QVector<int> coverage(const QString& text, const QFont& font, int x, int baseline) {
    QImage mask(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(x, baseline, text);
    painter.end();
    QVector<int> quarters(kWidth * kHeight);
    for (int y = 0; y < kHeight; ++y) {
        for (int column = 0; column < kWidth; ++column) {
            quarters[y * kWidth + column] = (qAlpha(mask.pixel(column, y)) * 4 + 127) / 255;
        }
    }
    return quarters;
}

QColor mix(const QColor& under, const QColor& over, int quarters) {
    const auto channel = [quarters](int a, int b) {
        return (a * (4 - quarters) + b * quarters) / 4;
    };
    return QColor(channel(under.red(), over.red()), channel(under.green(), over.green()),
                  channel(under.blue(), over.blue()));
}

// The background darkens from top to bottom, one shade a row.
QColor backgroundAt(int y) {
    const auto channel = [y](int top, int bottom) {
        return (top * (kHeight - 1 - y) + bottom * y) / (kHeight - 1);
    };
    return QColor(channel(kTopBlue.red(), kBottomBlue.red()),
                  channel(kTopBlue.green(), kBottomBlue.green()),
                  channel(kTopBlue.blue(), kBottomBlue.blue()));
}

QImage drawBanner() {
    QImage banner(kWidth, kHeight, QImage::Format_RGB32);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const bool edge = x == 0 || y == 0 || x == kWidth - 1 || y == kHeight - 1;
            banner.setPixel(x, y, (edge ? kEdge : backgroundAt(y)).rgb());
        }
    }
    // The shop's mark: an orange tile with a white i.
    const QRect tile(3, 3, 15, 15);
    for (int y = tile.top(); y <= tile.bottom(); ++y) {
        for (int x = tile.left(); x <= tile.right(); ++x) {
            banner.setPixel(x, y, kOrange.rgb());
        }
    }
    const QString condensed = QStringLiteral("DejaVu Sans Condensed");
    const QFont markFont = bannerFont(condensed, 14, true);
    const QRect markBox = QFontMetrics(markFont).tightBoundingRect(QStringLiteral("i"));
    const QVector<int> mark =
        coverage(QStringLiteral("i"), markFont,
                 tile.left() + (tile.width() - markBox.width()) / 2 - markBox.left(), 16);
    // The shop's name, centred right of the tile.
    const QString shopName = QStringLiteral("i");
    const QString domainName = QStringLiteral(".example");
    const QFont nameFont = bannerFont(condensed, 13, true);
    const QFont domainFont = bannerFont(condensed, 11, true);
    const int nameWidth = QFontMetrics(nameFont).horizontalAdvance(shopName) +
                          QFontMetrics(domainFont).horizontalAdvance(domainName);
    const int nameLeft = tile.right() + 1 + (kWidth - 1 - tile.right() - nameWidth) / 2;
    const QVector<int> name = coverage(shopName, nameFont, nameLeft, 15);
    const QVector<int> domain = coverage(
        domainName, domainFont, nameLeft + QFontMetrics(nameFont).horizontalAdvance(shopName), 15);
    for (int y = 1; y < kHeight - 1; ++y) {
        for (int x = 1; x < kWidth - 1; ++x) {
            const int at = y * kWidth + x;
            QColor colour = QColor::fromRgb(banner.pixel(x, y));
            colour = mix(colour, Qt::white, tile.contains(x, y) ? mark[at] : name[at]);
            colour = mix(colour, kOrange, domain[at]);
            banner.setPixel(x, y, colour.rgb());
        }
    }
    return banner;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-banner OUT.bmp\n");
        return 2;
    }
    QImage indexed = drawBanner().convertToFormat(QImage::Format_Indexed8,
                                                  Qt::ThresholdDither | Qt::AvoidDither);
    if (indexed.colorCount() > 256) {
        std::fprintf(stderr, "make-banner: the drawing needs more than 256 colours\n");
        return 1;
    }
    const int drawn = indexed.colorCount();
    // A full palette: the picture is a 256-colour bitmap whatever the drawing uses.
    QVector<QRgb> palette = indexed.colorTable();
    palette.resize(256, qRgb(0, 0, 0));
    indexed.setColorTable(palette);
    if (!indexed.save(QString::fromLocal8Bit(argv[1]), "BMP")) {
        std::fprintf(stderr, "make-banner: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("make-banner: %d of 256 colours used\n", drawn);
    return 0;
}
