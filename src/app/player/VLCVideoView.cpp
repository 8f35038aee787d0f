#include "VLCVideoView.h"

#include <QPainter>

VLCVideoView::VLCVideoView(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
}

void VLCVideoView::setFillScreen(bool fill)
{
    m_fill = fill;
    update();
}

void VLCVideoView::clear()
{
    m_frame = QImage();
    m_announced = false;
    update();
}

void VLCVideoView::showFrame(const QImage &frame)
{
    m_frame = frame;
    if (!m_announced) {
        m_announced = true;
        emit firstFrameShown();
    }
    update();
}

void VLCVideoView::paintEvent(QPaintEvent *)
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
