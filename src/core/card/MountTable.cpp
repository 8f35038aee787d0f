#include "core/card/MountTable.h"

#include <QFile>
#include <QSet>

#include <optional>

namespace {

bool isOctal(char c)
{
    return c >= '0' && c <= '7';
}

// The kernel writes space, tab, newline and backslash in paths as a backslash and three octal
// digits; anything else stands as it is.
QString unescapedPath(QByteArrayView field)
{
    QByteArray bytes;
    bytes.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && isOctal(field[i + 1]) &&
            isOctal(field[i + 2]) && isOctal(field[i + 3])) {
            const int value =
                (field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0');
            if (value > 0 && value < 256) {
                bytes.append(char(value));
                i += 3;
                continue;
            }
        }
        bytes.append(field[i]);
    }
    return QFile::decodeName(bytes);
}

QList<QByteArrayView> fieldsOf(QByteArrayView line)
{
    QList<QByteArrayView> fields;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= line.size(); ++i) {
        if (i == line.size() || line[i] == ' ') {
            if (i > start)
                fields.append(line.sliced(start, i - start));
            start = i + 1;
        }
    }
    return fields;
}

// "36 35 98:0 /mnt1 /mnt2 rw,noatime master:1 - ext3 /dev/root rw": six fixed fields, any
// number of optional ones, a lone "-", then type, source and the file system's options.
std::optional<MountEntry> entryOf(QByteArrayView line)
{
    const QList<QByteArrayView> fields = fieldsOf(line);
    if (fields.size() < 6)
        return std::nullopt;
    qsizetype separator = 6;
    while (separator < fields.size() && fields[separator] != "-")
        ++separator;
    if (separator + 1 >= fields.size())
        return std::nullopt;
    MountEntry entry;
    entry.device = QString::fromLatin1(fields[2]);
    entry.root = unescapedPath(fields[3]);
    entry.mountPoint = unescapedPath(fields[4]);
    entry.fsType = unescapedPath(fields[separator + 1]);
    if (separator + 2 < fields.size())
        entry.source = unescapedPath(fields[separator + 2]);
    if (!entry.mountPoint.startsWith(QLatin1Char('/')))
        return std::nullopt;
    return entry;
}

QString volumeKey(const MountEntry &entry)
{
    return entry.device + QLatin1Char(' ') + entry.root;
}

QString mountKey(const MountEntry &entry)
{
    return volumeKey(entry) + QLatin1Char(' ') + entry.mountPoint;
}

} // namespace

QList<MountEntry> parseMountInfo(const QByteArray &table)
{
    QList<MountEntry> entries;
    qsizetype start = 0;
    while (start < table.size()) {
        qsizetype end = table.indexOf('\n', start);
        if (end < 0)
            end = table.size();
        if (auto entry = entryOf(QByteArrayView(table).sliced(start, end - start)))
            entries.append(std::move(*entry));
        start = end + 1;
    }
    return entries;
}

QList<MountEntry> newMounts(const QList<MountEntry> &before, const QList<MountEntry> &after)
{
    QSet<QString> mounts, volumes;
    for (const MountEntry &entry : before) {
        mounts.insert(mountKey(entry));
        volumes.insert(volumeKey(entry));
    }
    QList<MountEntry> added;
    for (const MountEntry &entry : after) {
        if (mounts.contains(mountKey(entry)) || volumes.contains(volumeKey(entry)))
            continue;
        mounts.insert(mountKey(entry));
        volumes.insert(volumeKey(entry));
        added.append(entry);
    }
    return added;
}

QList<QString> goneMountPoints(const QList<MountEntry> &before, const QList<MountEntry> &after)
{
    QSet<QString> remaining;
    for (const MountEntry &entry : after)
        remaining.insert(entry.mountPoint);
    QList<QString> gone;
    for (const MountEntry &entry : before) {
        if (!remaining.contains(entry.mountPoint) && !gone.contains(entry.mountPoint))
            gone.append(entry.mountPoint);
    }
    return gone;
}
