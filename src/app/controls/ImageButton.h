#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A borderless button drawn from images: the named image when enabled or disabled, its "_f"
// sibling while the pointer is over it and its "_p" sibling while pressed.
class ImageButton : public QAbstractButton
{
    Q_OBJECT
    Q_PROPERTY(QString imageName READ imageName WRITE setImageName)
public:
    explicit ImageButton(QWidget *parent = nullptr);

    void setImageName(const QString &name);
    const QString &imageName() const { return m_imageName; }
    // The image named by the name's stem (without its last two characters) and the suffix.
    QString buttonImageNameWithSuffix(const QString &suffix) const;

    const QString &activeImage() const { return m_activeImage; }
    const QString &inactiveImage() const { return m_inactiveImage; }
    const QString &rolloverImage() const { return m_rolloverImage; }
    const QString &pressedImage() const { return m_pressedImage; }
    void setPressedImage(const QString &name) { m_pressedImage = name; }
    // The image the button shows now.
    QString currentImage() const;

    int numberOfCaptures() const { return m_numberOfCaptures; }
    void resetMouseCaptures();
    // Pointer entry and exit, also reachable by tests.
    void pointerEntered();
    void pointerExited();

    QSize sizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QString m_imageName;
    QString m_activeImage;
    QString m_inactiveImage;
    QString m_rolloverImage;
    QString m_pressedImage;
    int m_numberOfCaptures = 0;
    QString m_nameFromTip;
};
