#pragma once

#include <QLabel>
#include <QPointer>

// A one-line label that shows as much of its text as fits, with an ellipsis in the middle (a
// path keeps its root and its last folder). A widget laid over it (a progress bar) can be
// named: while that one shows, the text ends before it.
class ElidedLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget *parent = nullptr);

    void setObstacle(QWidget *obstacle);
    // The text as drawn now.
    QString shownText() const;

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int textWidth() const;

    QPointer<QWidget> m_obstacle;
};
