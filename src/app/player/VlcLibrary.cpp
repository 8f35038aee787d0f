#include "app/player/VideoView.h"
#include "app/player/VlcPlayer.h"

#include <QByteArray>
#include <QList>

#include <vector>
#include <vlc/vlc.h>

namespace VlcLibrary {

libvlc_instance_t *sharedLibrary()
{
    static libvlc_instance_t *instance = [] {
        QList<QByteArray> args{"--no-xlib",
                               "--quiet",
                               "--no-video-title-show",
                               "--no-stats",
                               "--no-snapshot-preview",
                               "--no-sub-autodetect-file"};
        // Tests and headless runs choose their sound output ("dummy").
        const QByteArray aout = qgetenv("TAVIK_VLC_AOUT");
        if (!aout.isEmpty())
            args << "--aout=" + aout;
        std::vector<const char *> argv;
        for (const QByteArray &arg : args)
            argv.push_back(arg.constData());
        return libvlc_new(static_cast<int>(argv.size()), argv.data());
    }();
    return instance;
}

} // namespace VlcLibrary
