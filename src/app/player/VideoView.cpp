#include "app/player/VideoView.h"

#include "app/controls/ImageButton.h"
#include "core/common/strings.h"

#include <QPainter>
#include <QSettings>

namespace {

const char *const kFillKey = "video/fillView";
constexpr int kButtonSide = 28;
constexpr int kButtonMargin = 8;

} // namespace

VideoView::VideoView(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
    m_fillButton = new ImageButton(this);
    m_fillButton->setObjectName(QStringLiteral("fillViewButton"));
    m_fillButton->setFixedSize(kButtonSide, kButtonSide);
    m_fillButton->hide();
    connect(m_fillButton, &QAbstractButton::clicked, this, [this] {
        setFillScreen(!m_fill);
        emit fillScreenChosen(m_fill);
    });
    updateFillButton();
}

bool VideoView::storedFillScreen()
{
    return QSettings().value(QLatin1String(kFillKey), false).toBool();
}

void VideoView::storeFillScreen(bool fill)
{
    QSettings().setValue(QLatin1String(kFillKey), fill);
}

void VideoView::setFillScreen(bool fill)
{
    m_fill = fill;
    updateFillButton();
    update();
}

void VideoView::updateFillButton()
{
    // The button offers the other way.
    m_fillButton->setImageName(m_fill ? QStringLiteral("icon_view_fit_n")
                                      : QStringLiteral("icon_view_fill_n"));
    m_fillButton->setToolTip(m_fill ? tvk::text("player.fit_view") : tvk::text("player.fill_view"));
}

void VideoView::clear()
{
    m_frame = QImage();
    m_announced = false;
    update();
}

void VideoView::showFrame(const QImage &frame)
{
    m_frame = frame;
    if (!m_announced) {
        m_announced = true;
        emit firstFrameShown();
    }
    update();
}

void VideoView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_fillButton->move(width() - kButtonSide - kButtonMargin, kButtonMargin);
    // Too small a view (the swap animation's first steps) shows no button.
    if (width() < 3 * kButtonSide || height() < 2 * kButtonSide)
        m_fillButton->hide();
}

void VideoView::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    if (width() >= 3 * kButtonSide && height() >= 2 * kButtonSide)
        m_fillButton->show();
}

void VideoView::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    m_fillButton->hide();
}

void VideoView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (m_frame.isNull())
        return;
    QSizeF size = m_frame.size();
    size.scale(QSizeF(this->size()), m_fill ? Qt::KeepAspectRatioByExpanding : Qt::KeepAspectRatio);
    const QRectF target((width() - size.width()) / 2, (height() - size.height()) / 2, size.width(),
                        size.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, m_frame);
}
