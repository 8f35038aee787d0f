#include "app/player/VlcPlayer.h"

#include "app/player/VideoView.h"
#include "core/telemetry/recordinglength.h"

#include <QFile>
#include <QMutexLocker>

#include <cstring>
#include <vlc/vlc.h>

namespace {
constexpr libvlc_event_e kEvents[] = {
    libvlc_MediaPlayerOpening,     libvlc_MediaPlayerPlaying,    libvlc_MediaPlayerPaused,
    libvlc_MediaPlayerStopped,     libvlc_MediaPlayerEndReached, libvlc_MediaPlayerEncounteredError,
    libvlc_MediaPlayerTimeChanged, libvlc_MediaPlayerESAdded};
} // namespace

VlcPlayer::VlcPlayer(VideoView *view, QObject *parent) : VideoPlayer(parent), m_view(view)
{
    libvlc_instance_t *library = VlcLibrary::sharedLibrary();
    if (!library)
        return;
    m_player = libvlc_media_player_new(library);
    if (!m_player)
        return;
    libvlc_video_set_callbacks(m_player, &VlcPlayer::lockCallback, &VlcPlayer::unlockCallback,
                               &VlcPlayer::displayCallback, this);
    libvlc_video_set_format_callbacks(m_player, &VlcPlayer::formatCallback, nullptr);
    libvlc_event_manager_t *events = libvlc_media_player_event_manager(m_player);
    for (libvlc_event_e type : kEvents)
        libvlc_event_attach(events, type, &VlcPlayer::eventCallback, this);
}

VlcPlayer::~VlcPlayer()
{
    if (!m_player)
        return;
    libvlc_event_manager_t *events = libvlc_media_player_event_manager(m_player);
    for (libvlc_event_e type : kEvents)
        libvlc_event_detach(events, type, &VlcPlayer::eventCallback, this);
    // Stopping joins libVLC's threads: no callback runs after this.
    libvlc_media_player_stop(m_player);
    libvlc_media_player_release(m_player);
    if (m_media)
        libvlc_media_release(m_media);
}

void VlcPlayer::eventCallback(const libvlc_event_t *event, void *opaque)
{
    auto *self = static_cast<VlcPlayer *>(opaque);
    const int type = event->type;
    if (type == libvlc_MediaPlayerESAdded &&
        event->u.media_player_es_changed.i_type != libvlc_track_audio)
        return;
    QMetaObject::invokeMethod(
        self, [self, type] { self->handleEvent(type); }, Qt::QueuedConnection);
}

void VlcPlayer::handleEvent(int type)
{
    switch (type) {
    case libvlc_MediaPlayerOpening:
        m_state = Opening;
        break;
    case libvlc_MediaPlayerPlaying:
        m_state = Playing;
        applyAudio();
        if (m_pendingSeek > 0)
            libvlc_media_player_set_time(m_player, m_pendingSeek);
        m_pendingSeek = -1;
        break;
    case libvlc_MediaPlayerPaused:
        m_state = Paused;
        // Paused before it ever played (a swap while paused): the seek is made now.
        if (m_pendingSeek > 0)
            libvlc_media_player_set_time(m_player, m_pendingSeek);
        m_pendingSeek = -1;
        break;
    case libvlc_MediaPlayerStopped:
        // A stop that is part of a restart, or the end, keeps its own state.
        if (!m_atEnd && m_pendingSeek < 0)
            m_state = Stopped;
        break;
    case libvlc_MediaPlayerEndReached:
        m_lengthAtEnd = libvlc_media_player_get_length(m_player);
        m_atEnd = true;
        m_state = Paused;
        emit stateChanged();
        emit timeChanged();
        return;
    case libvlc_MediaPlayerEncounteredError:
        m_state = Error;
        break;
    case libvlc_MediaPlayerTimeChanged:
        if (!m_atEnd)
            emit timeChanged();
        return;
    case libvlc_MediaPlayerESAdded:
        applyAudio();
        return;
    default:
        return;
    }
    emit stateChanged();
}

void VlcPlayer::setMedia(const QString &path)
{
    if (!m_player)
        return;
    libvlc_media_player_stop(m_player);
    m_atEnd = false;
    m_pendingSeek = -1;
    m_state = Stopped;
    m_path = path;
    if (m_media) {
        libvlc_media_release(m_media);
        m_media = nullptr;
    }
    if (path.isEmpty()) {
        libvlc_media_player_set_media(m_player, nullptr);
        if (m_view)
            m_view->clear();
        return;
    }
    QFile file(path);
    m_fileLength = file.open(QIODevice::ReadOnly) ? playableLengthMs(file).value_or(0) : 0;
    libvlc_media_t *media =
        libvlc_media_new_path(VlcLibrary::sharedLibrary(), QFile::encodeName(path).constData());
    libvlc_media_player_set_media(m_player, media);
    m_media = media;
    if (m_view)
        m_view->clear();
}

void VlcPlayer::play()
{
    if (!m_player || m_path.isEmpty())
        return;
    if (m_atEnd) {
        restartAt(0);
        return;
    }
    libvlc_media_player_play(m_player);
}

void VlcPlayer::pause()
{
    if (m_player && !m_atEnd)
        libvlc_media_player_set_pause(m_player, 1);
}

void VlcPlayer::stop()
{
    if (!m_player)
        return;
    m_atEnd = false;
    m_pendingSeek = -1;
    libvlc_media_player_stop(m_player);
    m_state = Stopped;
}

void VlcPlayer::restartAt(qint64 milliseconds)
{
    // libVLC cannot seek once it has ended: start the media again and seek when it plays.
    m_atEnd = false;
    m_pendingSeek = std::max<qint64>(milliseconds, 0);
    libvlc_media_player_stop(m_player);
    libvlc_media_player_play(m_player);
    libvlc_media_player_set_rate(m_player, m_rate);
}

bool VlcPlayer::isPlaying() const
{
    return m_player && !m_atEnd && libvlc_media_player_is_playing(m_player);
}

float VlcPlayer::position() const
{
    if (!m_player || m_path.isEmpty())
        return 0.0f;
    if (m_atEnd)
        return 1.0f;
    if (streamLength() <= 0 && m_fileLength > 0)
        return std::clamp(float(double(time()) / double(m_fileLength)), 0.0f, 1.0f);
    return std::max(0.0f, libvlc_media_player_get_position(m_player));
}

void VlcPlayer::setPosition(float position)
{
    if (!m_player || m_path.isEmpty())
        return;
    if (m_atEnd) {
        if (position < 1.0f)
            restartAt(static_cast<qint64>(position * length()));
        return;
    }
    // libVLC drops a seek made before the media plays (a swap seeks the media it has just
    // started): it is made when playing is reported.
    if (m_state != Playing && m_state != Paused) {
        m_pendingSeek = static_cast<qint64>(position * length());
        return;
    }
    if (streamLength() <= 0 && m_fileLength > 0) {
        libvlc_media_player_set_time(m_player, static_cast<qint64>(position * m_fileLength));
        return;
    }
    libvlc_media_player_set_position(m_player, position);
}

qint64 VlcPlayer::time() const
{
    if (!m_player || m_path.isEmpty())
        return 0;
    if (m_atEnd)
        return length();
    return std::max<qint64>(0, libvlc_media_player_get_time(m_player));
}

void VlcPlayer::setTime(qint64 milliseconds)
{
    if (!m_player || m_path.isEmpty())
        return;
    if (m_atEnd) {
        if (milliseconds < length())
            restartAt(milliseconds);
        return;
    }
    if (m_state != Playing && m_state != Paused) {
        m_pendingSeek = milliseconds;
        return;
    }
    libvlc_media_player_set_time(m_player, milliseconds);
}

qint64 VlcPlayer::streamLength() const
{
    if (!m_player || m_path.isEmpty())
        return 0;
    const qint64 playing = libvlc_media_player_get_length(m_player);
    if (playing > 0)
        return playing;
    if (m_atEnd && m_lengthAtEnd > 0)
        return m_lengthAtEnd;
    libvlc_media_t *media = libvlc_media_player_get_media(m_player);
    if (!media)
        return 0;
    const qint64 duration = libvlc_media_get_duration(media);
    libvlc_media_release(media);
    return std::max<qint64>(0, duration);
}

qint64 VlcPlayer::length() const
{
    if (!m_player || m_path.isEmpty())
        return 0;
    // The stream's own duration once libVLC knows it; until then what the file says.
    const qint64 stream = streamLength();
    return stream > 0 ? stream : m_fileLength;
}

float VlcPlayer::rate() const
{
    return m_rate;
}

void VlcPlayer::setRate(float rate)
{
    m_rate = rate;
    if (m_player)
        libvlc_media_player_set_rate(m_player, rate);
}

void VlcPlayer::setMute(bool mute)
{
    m_muted = mute;
    applyAudio();
}

void VlcPlayer::setVolume(int volume)
{
    m_volume = std::clamp(volume, 0, 200);
    applyAudio();
}

void VlcPlayer::applyAudio()
{
    // The sound output may only exist once playback runs: settings are applied again then.
    if (!m_player)
        return;
    libvlc_audio_set_mute(m_player, m_muted ? 1 : 0);
    libvlc_audio_set_volume(m_player, m_volume);
}

QList<int> VlcPlayer::audioTrackIndexes() const
{
    QList<int> ids;
    if (!m_player || m_path.isEmpty())
        return ids;
    libvlc_track_description_t *tracks = libvlc_audio_get_track_description(m_player);
    for (libvlc_track_description_t *t = tracks; t; t = t->p_next)
        ids << t->i_id;
    if (tracks)
        libvlc_track_description_list_release(tracks);
    return ids;
}
