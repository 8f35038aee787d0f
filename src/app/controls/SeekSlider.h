#pragma once

#include <QSlider>

#include <optional>

// A horizontal slider whose groove takes a click as "go here", as media players' do, instead
// of a page step; the press then goes on as a drag of the handle. It can show the in and out
// marks of a clip on its groove.
class SeekSlider : public QSlider
{
    Q_OBJECT
public:
    explicit SeekSlider(QWidget *parent = nullptr);

    // The value under a point of the groove, the handle centred on it.
    int valueAt(const QPoint &point) const;
    // The x of a value's place, where the handle's centre stands for it.
    int xOf(int value) const;

    // Marks in the slider's values; none: not shown. The stretch between them (or up to the
    // groove's end where only one is set) is highlighted.
    void setMarks(std::optional<int> in, std::optional<int> out);
    std::optional<int> inMark() const { return m_in; }
    std::optional<int> outMark() const { return m_out; }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    std::optional<int> m_in, m_out;
};
