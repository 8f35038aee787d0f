#pragma once

#include "core/catalogue/MediaFile.h"

#include <optional>

// The front and the rear recording of one moment; either slot may be empty.
struct MediaPair
{
    std::optional<MediaFile> frontMedia;
    std::optional<MediaFile> rearMedia;

    static MediaPair mediaPair() { return {}; }
};
