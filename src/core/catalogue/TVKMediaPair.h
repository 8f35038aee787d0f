#pragma once

#include "core/catalogue/TVKMedia.h"

#include <optional>

// The front and the rear recording of one moment; either slot may be empty.
struct TVKMediaPair
{
    std::optional<TVKMedia> frontMedia;
    std::optional<TVKMedia> rearMedia;

    static TVKMediaPair mediaPair() { return {}; }
};
