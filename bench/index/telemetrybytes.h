// The plain program the index is measured against: for each recording, its idx1 index and
// every telemetry chunk it lists, read with pread and nothing else done with them.
#pragma once

#include <QByteArray>
#include <QtEndian>

#include <cstring>
#include <fcntl.h>
#include <unistd.h>

inline qint64 readTelemetryBytes(const char *path)
{
    const int fd = ::open(path, O_RDONLY);
    if (fd < 0)
        return -1;
    qint64 total = 0;
    char header[12];
    qint64 at = 12, moviType = -1;
    QByteArray index;
    while (::pread(fd, header, 8, at) == 8) {
        const quint32 size = qFromLittleEndian<quint32>(header + 4);
        if (std::memcmp(header, "LIST", 4) == 0 && ::pread(fd, header + 8, 4, at + 8) == 4 &&
            std::memcmp(header + 8, "movi", 4) == 0)
            moviType = at + 8;
        if (std::memcmp(header, "idx1", 4) == 0) {
            index.resize(size);
            if (::pread(fd, index.data(), size, at + 8) != qint64(size))
                index.clear();
            break;
        }
        at += 8 + size + (size & 1);
    }
    char chunk[1024];
    for (qsizetype e = 0; moviType >= 0 && e + 16 <= index.size(); e += 16) {
        const char *entry = index.constData() + e;
        if (entry[2] != 's' || entry[3] != 'b')
            continue;
        const quint32 offset = qFromLittleEndian<quint32>(entry + 8);
        const quint32 length = qMin<quint32>(qFromLittleEndian<quint32>(entry + 12), 1024);
        total += ::pread(fd, chunk, length, moviType + offset + 8);
    }
    ::close(fd);
    return total + index.size();
}
