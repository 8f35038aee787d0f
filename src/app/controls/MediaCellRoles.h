#pragma once

#include <Qt>

// The file name in four pieces for the drawing of a recording's cell, in the flat list and in
// the list by trip: what comes before the time of day, the time of day ("hhmiss"), the side
// ("_F", "_R") and the extension with its dot; the middle two empty when the name does not
// carry a known time and side.
inline constexpr int kNamePartsRole = Qt::UserRole + 1;
