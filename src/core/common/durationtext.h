#pragma once

#include <QString>

namespace tvk {

// A length of time as people read it: "2 h 15 min", "3 min 20 s", "45 s". The two largest
// units only, rounded to the smaller of them; the words come from the string table with
// their plural forms.
QString durationText(double seconds);

} // namespace tvk
