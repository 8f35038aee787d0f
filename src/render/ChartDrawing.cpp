#include "render/ChartDrawing.h"

#include <QBuffer>
#include <QFont>
#include <QPainter>

namespace pictures {

QImage whiteImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QByteArray pngBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "PNG") ? bytes : QByteArray();
}

QFont pictureFont(int pixelSize)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}

void drawCaption(QPainter &painter, const QString &text)
{
    painter.setFont(pictureFont(16));
    painter.setPen(Qt::black);
    painter.drawText(QPointF(16, 26), text);
}

} // namespace pictures
