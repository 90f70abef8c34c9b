#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace skin {

struct NamedPicture {
    QString fileName;
    QImage image; // Format_RGB888
};

// The frame pictures image1.bmp .. image8.bmp and the caption button pictures close.bmp,
// close-down.bmp, minimise.bmp, minimise-down.bmp.
std::vector<NamedPicture> skinPictures();

// The stored form of a picture: an uncompressed 24-bit BMP.
QByteArray bmpBytes(const QImage& image);

} // namespace skin
