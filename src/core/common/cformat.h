#pragma once

#include <QString>

namespace tvk {

// printf-style formatting through the C library. Qt's own formatter rounds exact ties away
// from zero, C rounds them to even; texts of the camera's tools are C texts.
QString cformat(const char *format, ...) __attribute__((format(printf, 1, 2)));

} // namespace tvk
