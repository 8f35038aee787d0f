#include "core/clip/ClipMarks.h"

#include <algorithm>
#include <cmath>

namespace clip {

namespace {

// Positions come from a slider and a player: anything outside 0..1 is taken as the nearest end.
double bounded(double at)
{
    return std::isfinite(at) ? std::clamp(at, 0.0, 1.0) : 0.0;
}

} // namespace

void Marks::setIn(double at)
{
    m_in = bounded(at);
    if (m_out && *m_out <= *m_in)
        m_out.reset();
}

void Marks::setOut(double at)
{
    m_out = bounded(at);
    if (m_in && *m_in >= *m_out)
        m_in.reset();
}

std::optional<Range> markedRange(const Marks &marks, const QDateTime &from, const QDateTime &to)
{
    const qint64 length = from.msecsTo(to);
    if (marks.isEmpty() || length <= 0)
        return std::nullopt;
    const auto moment = [&](double at) {
        return from.addMSecs(std::llround(at * double(length)));
    };
    Range range{moment(marks.in().value_or(0.0)), moment(marks.out().value_or(1.0))};
    if (range.from >= range.to)
        return std::nullopt;
    return range;
}

} // namespace clip
