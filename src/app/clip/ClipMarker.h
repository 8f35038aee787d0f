#pragma once

#include "core/clip/ClipMarks.h"

#include <QList>
#include <QObject>
#include <QPointer>

class QSlider;
class QWidget;
class SeekSlider;

// The in and out marks of a clip on the player's position sliders: I marks the start at the
// playing position, O the end, X clears both. Every slider given shows the same marks; the
// first one's position is the one marked.
class ClipMarker : public QObject
{
    Q_OBJECT
public:
    ClipMarker(QWidget *window, const QList<QSlider *> &sliders, QObject *parent = nullptr);

    const clip::Marks &marks() const { return m_marks; }

    void markIn();
    void markOut();
    void clear();

signals:
    void marksChanged();

private:
    double position() const;
    void show();

    QList<QPointer<SeekSlider>> m_sliders;
    clip::Marks m_marks;
};
