#include "app/clip/ClipMarker.h"

#include "app/controls/SeekSlider.h"

#include <QShortcut>

#include <cmath>

ClipMarker::ClipMarker(QWidget *window, const QList<QSlider *> &sliders, QObject *parent)
    : QObject(parent)
{
    for (QSlider *slider : sliders) {
        if (auto *seek = qobject_cast<SeekSlider *>(slider))
            m_sliders.append(seek);
    }
    // The keys of video editors; a text field with the focus keeps its letters.
    const struct
    {
        Qt::Key key;
        void (ClipMarker::*action)();
    } keys[] = {
        {Qt::Key_I, &ClipMarker::markIn},
        {Qt::Key_O, &ClipMarker::markOut},
        {Qt::Key_X, &ClipMarker::clear},
    };
    for (const auto &k : keys)
        connect(new QShortcut(QKeySequence(k.key), window), &QShortcut::activated, this, k.action);
}

double ClipMarker::position() const
{
    const SeekSlider *slider = m_sliders.isEmpty() ? nullptr : m_sliders.first().get();
    if (!slider || slider->maximum() <= slider->minimum())
        return 0;
    return double(slider->value() - slider->minimum()) / (slider->maximum() - slider->minimum());
}

void ClipMarker::markIn()
{
    m_marks.setIn(position());
    show();
}

void ClipMarker::markOut()
{
    m_marks.setOut(position());
    show();
}

void ClipMarker::clear()
{
    m_marks.clear();
    show();
}

void ClipMarker::show()
{
    for (SeekSlider *slider : m_sliders) {
        if (!slider)
            continue;
        const auto value = [slider](std::optional<double> at) -> std::optional<int> {
            if (!at)
                return std::nullopt;
            return slider->minimum() +
                   int(std::lround(*at * (slider->maximum() - slider->minimum())));
        };
        slider->setMarks(value(m_marks.in()), value(m_marks.out()));
    }
    emit marksChanged();
}
