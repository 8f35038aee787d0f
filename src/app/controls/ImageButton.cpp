#include "app/controls/ImageButton.h"

#include "app/controls/FocusRing.h"
#include "app/controls/NamedImage.h"

#include <QEnterEvent>
#include <QPainter>

ImageButton::ImageButton(QWidget *parent) : QAbstractButton(parent)
{
    setCursor(Qt::PointingHandCursor);
    // Reached with Tab, not taken by a click: the keyboard stays where the user left it.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_Hover);
}

QString ImageButton::buttonImageNameWithSuffix(const QString &suffix) const
{
    return m_imageName.left(std::max<qsizetype>(0, m_imageName.size() - 2)) + suffix;
}

void ImageButton::setImageName(const QString &name)
{
    m_imageName = name;
    m_activeImage = name;
    m_inactiveImage = name;
    m_rolloverImage = buttonImageNameWithSuffix(QStringLiteral("_f"));
    m_pressedImage = buttonImageNameWithSuffix(QStringLiteral("_p"));
    updateGeometry();
    update();
}

QString ImageButton::currentImage() const
{
    const QString &plain = isEnabled() ? m_activeImage : m_inactiveImage;
    // Buttons drawn with fewer states (the side buttons have no roll-over image) keep their
    // plain image rather than vanishing.
    auto orPlain = [&plain](const QString &name) {
        return tvk::hasNamedImage(name) ? name : plain;
    };
    if (isDown() && isEnabled())
        return orPlain(m_pressedImage);
    if (m_numberOfCaptures > 0 && isEnabled())
        return orPlain(m_rolloverImage);
    return plain;
}

void ImageButton::resetMouseCaptures()
{
    m_numberOfCaptures = 0;
    update();
}

void ImageButton::pointerEntered()
{
    ++m_numberOfCaptures;
    update();
}

void ImageButton::pointerExited()
{
    // An exit without an entry (the pointer was inside when the button appeared) is ignored.
    if (m_numberOfCaptures > 0)
        --m_numberOfCaptures;
    update();
}

QSize ImageButton::sizeHint() const
{
    const QSize natural = tvk::namedImageSize(m_imageName);
    return natural.isEmpty() ? QSize(32, 32) : natural;
}

void ImageButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QSize size = tvk::namedImageSize(currentImage());
    if (size.isEmpty())
        return;
    size.scale(rect().size(), Qt::KeepAspectRatio);
    const QPixmap pixmap = tvk::namedPixmap(currentImage(), size, devicePixelRatioF());
    const QPoint origin((width() - size.width()) / 2, (height() - size.height()) / 2);
    if (!isEnabled())
        painter.setOpacity(0.35); // a control that cannot act now looks it
    painter.drawPixmap(origin, pixmap);
    if (hasFocus()) {
        painter.setOpacity(1);
        drawFocusRing(painter, rect(), palette());
    }
}

void ImageButton::enterEvent(QEnterEvent *event)
{
    pointerEntered();
    QAbstractButton::enterEvent(event);
}

void ImageButton::leaveEvent(QEvent *event)
{
    pointerExited();
    QAbstractButton::leaveEvent(event);
}

bool ImageButton::event(QEvent *event)
{
    // A button of pictures only has no text a screen reader could say; its tooltip says what
    // it does. A name given on purpose is kept.
    if (event->type() == QEvent::ToolTipChange &&
        (accessibleName().isEmpty() || accessibleName() == m_nameFromTip)) {
        m_nameFromTip = toolTip();
        setAccessibleName(m_nameFromTip);
    }
    return QAbstractButton::event(event);
}

void ImageButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange)
        update();
    QAbstractButton::changeEvent(event);
}
