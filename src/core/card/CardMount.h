#pragma once

#include "core/card/MountTable.h"

#include <QString>

// What a newly mounted volume is to the player window.
enum class CardMount {
    NotAVolume,   // a kernel, network or image file system: not looked into
    AlreadyOpen,  // the folder open in the window lies on it
    NotACard,     // nothing of the camera's at its root
    Recordings,   // recordings below its DCIM folder
    SettingsFile, // no recordings, but the camera's config.bin at its root
};

// Looks at the mount's root (a few folder listings, stopping at the first recording found);
// `openFolder` is the folder the window shows, empty for none.
CardMount cardMount(const MountEntry &mount, const QString &openFolder);

// Only a camera's card is offered to the user.
inline bool isCameraCard(CardMount kind)
{
    return kind == CardMount::Recordings || kind == CardMount::SettingsFile;
}
