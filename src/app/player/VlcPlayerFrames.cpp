// The decoded pictures of a VlcPlayer: libVLC's video callbacks write into a small pool of
// images, and the newest one is handed to the view on the interface thread.
#include "app/player/VideoView.h"
#include "app/player/VlcPlayer.h"

#include <QMutexLocker>

#include <cstring>
#include <vlc/vlc.h>

unsigned VlcPlayer::formatCallback(void **opaque, char *chroma, unsigned *width, unsigned *height,
                                   unsigned *pitches, unsigned *lines)
{
    auto *self = static_cast<VlcPlayer *>(*opaque);
    std::memcpy(chroma, "RV32", 4);
    // The decoder's buffer is padded to whole macroblocks (540 lines become 544): ask for the
    // picture's visible size instead, so frames and snapshots carry no padding rows.
    if (self->m_media) {
        libvlc_media_track_t **tracks = nullptr;
        const unsigned count = libvlc_media_tracks_get(self->m_media, &tracks);
        for (unsigned i = 0; i < count; ++i) {
            const libvlc_media_track_t *track = tracks[i];
            if (track->i_type == libvlc_track_video && track->video && track->video->i_width > 0 &&
                track->video->i_height > 0 && track->video->i_width <= *width &&
                track->video->i_height <= *height) {
                *width = track->video->i_width;
                *height = track->video->i_height;
                break;
            }
        }
        if (tracks)
            libvlc_media_tracks_release(tracks, count);
    }
    QMutexLocker lock(&self->m_frameMutex);
    self->m_frameWidth = static_cast<int>(*width);
    self->m_frameHeight = static_cast<int>(*height);
    *pitches = *width * 4;
    *lines = *height;
    return 1;
}

void *VlcPlayer::lockCallback(void *opaque, void **planes)
{
    auto *self = static_cast<VlcPlayer *>(opaque);
    QMutexLocker lock(&self->m_frameMutex);
    const QSize size(self->m_frameWidth, self->m_frameHeight);
    FrameSlot *slot = nullptr;
    for (FrameSlot &candidate : self->m_pool) {
        if (!candidate.locked && (candidate.image.isNull() || candidate.image.isDetached())) {
            slot = &candidate;
            break;
        }
    }
    if (!slot)
        slot = &self->m_pool.emplace_back();
    if (slot->image.size() != size)
        slot->image = QImage(size, QImage::Format_RGB32);
    slot->locked = true;
    planes[0] = slot->image.bits();
    return slot;
}

void VlcPlayer::unlockCallback(void *opaque, void *picture, void *const *)
{
    auto *self = static_cast<VlcPlayer *>(opaque);
    QMutexLocker lock(&self->m_frameMutex);
    static_cast<FrameSlot *>(picture)->locked = false;
}

void VlcPlayer::displayCallback(void *opaque, void *picture)
{
    auto *self = static_cast<VlcPlayer *>(opaque);
    {
        QMutexLocker lock(&self->m_frameMutex);
        self->m_latest = static_cast<FrameSlot *>(picture)->image;
    }
    // One delivery at a time: a slow interface skips frames instead of queueing them.
    if (!self->m_deliveryQueued.exchange(true))
        QMetaObject::invokeMethod(self, &VlcPlayer::deliverFrame, Qt::QueuedConnection);
}

void VlcPlayer::deliverFrame()
{
    QImage frame;
    {
        QMutexLocker lock(&m_frameMutex);
        frame = m_latest;
    }
    m_deliveryQueued = false;
    if (m_view && !frame.isNull())
        m_view->showFrame(frame);
}

bool VlcPlayer::hasVideoOut() const
{
    return m_player && libvlc_media_player_has_vout(m_player) > 0;
}

QSize VlcPlayer::videoSize() const
{
    unsigned width = 0, height = 0;
    if (!m_player || libvlc_video_get_size(m_player, 0, &width, &height) != 0)
        return {};
    return QSize(static_cast<int>(width), static_cast<int>(height));
}

bool VlcPlayer::saveVideoSnapshotAt(const QString &path, int width, int height)
{
    // The frame on the screen, not one the decoder has made since and not yet shown.
    QImage frame = m_view ? m_view->frame() : QImage();
    if (frame.isNull()) {
        QMutexLocker lock(&m_frameMutex);
        frame = m_latest.copy();
    }
    if (frame.isNull())
        return false;
    if (width > 0 && height > 0)
        frame = frame.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return frame.save(path);
}
