// Pictures for the map tests: a tile of one colour as PNG bytes, and how
// many pixels of a picture are the outline's blue.
#pragma once

#include <QBuffer>
#include <QImage>

inline QByteArray pngTile(QColor colour) {
    QImage image(256, 256, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

inline int bluePixels(const QImage& picture) {
    int blue = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) blue += picture.pixel(x, y) == qRgb(0, 0, 255);
    return blue;
}
