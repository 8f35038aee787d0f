#pragma once

#include <QByteArrayView>

// Readers of the text fields of an NMEA sentence. They read a number from the start of the
// field the way the camera's own tool did: leading white space skipped, an optional sign,
// as many characters as form a number, 0 when there is none. They never depend on the
// process locale.
namespace nmea {

// A decimal number read at single precision.
float readFloat(QByteArrayView field);
// A decimal integer; values beyond 32 bits saturate.
int readInt(QByteArrayView field);

// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or values beyond
// U+10FFFF).
bool isValidUtf8(QByteArrayView text);
// The length of valid UTF-8 text in UTF-16 code units, the unit in which the camera's tool
// counted characters.
qsizetype utf16Length(QByteArrayView text);

} // namespace nmea
