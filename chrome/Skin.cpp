#include "Skin.h"

#include <QApplication>
#include <QPalette>

#include <cstring>
#include <vector>

// Resources of a static library are only linked in when something refers to them.
static void initialiseSkinResources() {
    Q_INIT_RESOURCE(skin);
}

namespace chrome {

QImage skinPicture(const QString& fileName) {
    static const bool initialised = (initialiseSkinResources(), true);
    Q_UNUSED(initialised);
    QImage picture(QStringLiteral(":/skin/") + fileName);
    return picture.isNull() ? picture : picture.convertToFormat(QImage::Format_RGB888);
}

QImage scaleColorOnColor(const QImage& source, const QSize& size) {
    if (source.size() == size || source.isNull() || size.isEmpty()) {
        return source.size() == size ? source : QImage();
    }
    // Whole-byte pixels without a colour table, so pixels can be copied as bytes.
    const QImage from =
        source.format() == QImage::Format_RGB888 || source.format() == QImage::Format_RGB32
            ? source
            : source.convertToFormat(QImage::Format_ARGB32);
    QImage result(size, from.format());
    const int width = size.width();
    const int height = size.height();
    const int bytesPerPixel = from.depth() / 8;
    const qsizetype rowBytes = qsizetype(width) * bytesPerPixel;
    std::vector<int> sourceOffsets(width);
    for (int x = 0; x < width; ++x) {
        sourceOffsets[x] = int(qint64(x) * from.width() / width) * bytesPerPixel;
    }
    int previousSourceRow = -1;
    for (int y = 0; y < height; ++y) {
        const int sourceRow = int(qint64(y) * from.height() / height);
        uchar* row = result.scanLine(y);
        if (sourceRow == previousSourceRow) {
            std::memcpy(row, result.constScanLine(y - 1), rowBytes);
            continue;
        }
        previousSourceRow = sourceRow;
        const uchar* sourceBytes = from.constScanLine(sourceRow);
        if (bytesPerPixel == 4) {
            auto* pixels = reinterpret_cast<quint32*>(row);
            for (int x = 0; x < width; ++x) {
                std::memcpy(pixels + x, sourceBytes + sourceOffsets[x], 4);
            }
        } else {
            for (int x = 0; x < width; ++x) {
                const uchar* pixel = sourceBytes + sourceOffsets[x];
                row[x * 3] = pixel[0];
                row[x * 3 + 1] = pixel[1];
                row[x * 3 + 2] = pixel[2];
            }
        }
    }
    return result;
}

QColor menuColor() {
    return QApplication::palette("QMenu").color(QPalette::Window);
}

} // namespace chrome
