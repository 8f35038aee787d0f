#pragma once

#include <QString>

// A byte count in binary units ("kMGTPEZY", k = 1024) as at most six characters: "0 B",
// "512 B", "1.5 kB", "30 GB". Writes the text and its terminator into the 7-byte buffer.
void formatByteCount(char (&out)[7], quint64 bytes);
QString byteCountString(quint64 bytes);
