#pragma once

#include <QHash>
#include <QImage>
#include <QString>

// The camera's burnt-in text: white figures with a black rim, as the camera stamps date, time
// and speed into the picture. The glyphs are drawn once, on the thread that owns the fonts;
// lines are then put together from them on any thread.
class DemoOsd
{
public:
    DemoOsd(int pixelSize, bool rear);

    // "2026/10/17 08:30:15  42 km/h" as one image; characters without a glyph stay blank.
    QImage line(const QString &text) const;
    // The rear camera's "REAR" badge (empty for the front camera).
    const QImage &badge() const { return m_badge; }

private:
    QHash<QChar, QImage> m_glyphs;
    int m_advance = 0;
    int m_height = 0;
    QImage m_badge;
};
