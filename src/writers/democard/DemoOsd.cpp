#include "writers/democard/DemoOsd.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace {

QFont osdFont(int pixelSize)
{
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

} // namespace

DemoOsd::DemoOsd(int pixelSize, bool rear)
{
    const QFont font = osdFont(pixelSize);
    const QFontMetrics metrics(font);
    const int rim = std::max(2, pixelSize / 9);
    m_advance = metrics.horizontalAdvance(QLatin1Char('0')) + 1;
    m_height = metrics.height() + 2 * rim;
    for (const QChar c : QStringLiteral("0123456789/:-kmhREA")) {
        QImage glyph(m_advance + 2 * rim, m_height, QImage::Format_ARGB32_Premultiplied);
        glyph.fill(Qt::transparent);
        QPainterPath path;
        path.addText(rim, rim + metrics.ascent(), font, QString(c));
        QPainter p(&glyph);
        p.setRenderHint(QPainter::Antialiasing);
        p.strokePath(path, QPen(QColor(0, 0, 0, 230), 2.0 * rim, Qt::SolidLine, Qt::RoundCap,
                                Qt::RoundJoin));
        p.fillPath(path, QColor(0xf4, 0xf4, 0xf4));
        p.end();
        m_glyphs.insert(c, glyph);
    }
    if (rear) {
        const QString text = QStringLiteral("REAR");
        const int w = metrics.horizontalAdvance(text) + 2 * pixelSize / 2;
        const int h = metrics.height() + pixelSize / 3;
        m_badge = QImage(w, h, QImage::Format_ARGB32_Premultiplied);
        m_badge.fill(Qt::transparent);
        QPainter p(&m_badge);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xc8, 0x20, 0x20, 200));
        p.drawRoundedRect(QRectF(0, 0, w, h), h / 4.0, h / 4.0);
        p.setFont(font);
        p.setPen(QColor(0xf8, 0xf8, 0xf8));
        p.drawText(QRectF(0, 0, w, h), Qt::AlignCenter, text);
    }
}

QImage DemoOsd::line(const QString &text) const
{
    const int rim = m_glyphs.isEmpty() ? 0 : (m_glyphs.begin()->width() - m_advance) / 2;
    QImage image(int(text.size()) * m_advance + 2 * rim, m_height,
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto it = m_glyphs.constFind(text.at(i));
        if (it != m_glyphs.cend())
            p.drawImage(QPoint(int(i) * m_advance, 0), *it);
    }
    return image;
}
