#pragma once

#include <QDateTime>

#include <optional>

// The in and out marks a user sets on the position slider, as fractions (0..1) of the
// playing recording, and the stretch of the card's clock they mark for a clip.
namespace clip {

class Marks
{
public:
    std::optional<double> in() const { return m_in; }
    std::optional<double> out() const { return m_out; }
    bool isEmpty() const { return !m_in && !m_out; }

    // A mark past the other one starts a new stretch: the other mark is dropped, as the user
    // is evidently marking another moment.
    void setIn(double at);
    void setOut(double at);
    void clear() { m_in = m_out = std::nullopt; }

    friend bool operator==(const Marks &, const Marks &) = default;

private:
    std::optional<double> m_in, m_out;
};

struct Range
{
    QDateTime from, to;
    friend bool operator==(const Range &, const Range &) = default;
};

// The marked part of [from, to): a missing in mark means the start, a missing out mark the end.
// None without a mark, or when the marks leave nothing between them.
std::optional<Range> markedRange(const Marks &marks, const QDateTime &from, const QDateTime &to);

} // namespace clip
