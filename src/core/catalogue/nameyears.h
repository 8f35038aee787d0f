#pragma once

// The years a recording name may carry; the camera cannot set its clock outside them.
inline constexpr int kFirstNameYear = 1970;
inline constexpr int kLastNameYear = 2700;
