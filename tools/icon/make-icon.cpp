// Draws the program icon: a desktop computer with its monitor, 48 x 48, 256 colours.
// Usage: make-icon OUT.png
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

QImage drawComputer() {
    QImage image(48, 48, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);

    // System unit lying under the monitor.
    QLinearGradient caseShade(0, 34, 0, 46);
    caseShade.setColorAt(0, QColor(0xE4, 0xE2, 0xDA));
    caseShade.setColorAt(1, QColor(0xA8, 0xA6, 0x9E));
    painter.setPen(QColor(0x3A, 0x3A, 0x36));
    painter.setBrush(caseShade);
    painter.drawRect(3, 35, 41, 10);
    painter.setPen(QColor(0x5A, 0x5A, 0x55));
    painter.drawLine(8, 39, 22, 39);                          // floppy slot
    painter.fillRect(36, 38, 4, 2, QColor(0x2E, 0xB8, 0x3C)); // power lamp

    // Monitor stand.
    painter.setPen(QColor(0x3A, 0x3A, 0x36));
    painter.setBrush(QColor(0x9C, 0x9A, 0x92));
    painter.drawRect(18, 30, 11, 4);

    // Monitor housing and screen.
    QLinearGradient housing(0, 2, 0, 30);
    housing.setColorAt(0, QColor(0xF0, 0xEE, 0xE6));
    housing.setColorAt(1, QColor(0xB4, 0xB2, 0xAA));
    painter.setBrush(housing);
    painter.drawRect(6, 2, 35, 28);
    QLinearGradient screen(9, 5, 38, 26);
    screen.setColorAt(0, QColor(0x3B, 0x6E, 0xC8));
    screen.setColorAt(1, QColor(0x12, 0x2A, 0x5E));
    painter.setPen(QColor(0x22, 0x22, 0x20));
    painter.setBrush(screen);
    painter.drawRect(9, 5, 29, 21);

    // A page of text on the screen: what the program is for.
    painter.fillRect(13, 8, 21, 15, QColor(0xF8, 0xF8, 0xF4));
    painter.setPen(QColor(0x23, 0x40, 0x6B));
    painter.drawLine(15, 10, 27, 10);
    painter.setPen(QColor(0x70, 0x70, 0x70));
    for (int y = 13; y <= 21; y += 2) {
        painter.drawLine(15, y, y % 4 == 1 ? 29 : 31, y);
    }
    painter.end();
    return image;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-icon OUT.png\n");
        return 2;
    }
    // 256 colours; the transparent background keeps one palette entry.
    const QImage icon =
        drawComputer().convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    if (!icon.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "make-icon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
