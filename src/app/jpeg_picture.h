#pragma once

#include <QByteArray>
#include <QImage>

// A decoded JPEG: an RGB888 image for three components, a Grayscale8 image
// for one. The image is null when the data could not be decoded.
struct JpegPicture {
    QImage image;
    int components = 0;
};

// Damaged data (truncated, corrupt or of another component count) gives a
// null picture; it never ends the process.
JpegPicture DecodeJpeg(const QByteArray &data);
