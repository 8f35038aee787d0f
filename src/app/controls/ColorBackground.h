#pragma once

#include <QColor>
#include <QWidget>

// A plain view that fills itself with one colour when it has one.
class ColorBackground : public QWidget
{
    Q_OBJECT
public:
    explicit ColorBackground(QWidget *parent = nullptr);
    void setBackgroundColor(const QColor &color);
    const QColor &backgroundColor() const { return m_color; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color;
};

// A box that fills what it draws with the fixed warm grey of the camera maker's dialogs.
class CustomBackgroundBox : public QWidget
{
    Q_OBJECT
public:
    explicit CustomBackgroundBox(QWidget *parent = nullptr);
    static QColor fillColor() { return QColor::fromRgbF(0.416f, 0.373f, 0.357f); }

protected:
    void paintEvent(QPaintEvent *event) override;
};
