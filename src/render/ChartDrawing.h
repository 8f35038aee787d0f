#pragma once

#include <QImage>
#include <QString>

class QPainter;

// Shared pieces of the printed pictures.
namespace pictures {

// A white image with antialiasing on, ready for drawing.
QImage whiteImage(int width, int height);
// The PNG bytes of an image; empty when encoding failed.
QByteArray pngBytes(const QImage &image);
// A caption at the top left, in the pictures' font.
void drawCaption(QPainter &painter, const QString &text);
QFont pictureFont(int pixelSize);

} // namespace pictures
