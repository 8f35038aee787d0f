#include "core/route/recordingtelemetry.h"

#include "core/telemetry/BlackBoxData.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QtConcurrent>

namespace {

constexpr qint64 kReadWholeBytes = 8 << 20;

} // namespace

RecordedTelemetryPtr readRecordingTelemetry(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return RecordedTelemetry::empty();
    // A short recording is read in one go: the index walk's scattered small reads then cost
    // no system call each. (Not mapped: a card pulled out would kill the process.)
    if (file.size() <= kReadWholeBytes) {
        QByteArray bytes = file.readAll();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        tvk::Result<RecordedTelemetryPtr> telemetry = BlackBoxData::extract(buffer);
        return telemetry ? *telemetry : RecordedTelemetry::empty();
    }
    tvk::Result<RecordedTelemetryPtr> telemetry = BlackBoxData::extract(file);
    return telemetry ? *telemetry : RecordedTelemetry::empty();
}

QList<RecordedTelemetryPtr> readRecordingTelemetry(const QStringList &paths)
{
    return QtConcurrent::blockingMapped<QList<RecordedTelemetryPtr>>(
        paths, [](const QString &path) { return readRecordingTelemetry(path); });
}

RouteCache::Key RouteCache::keyOf(const QString &path)
{
    const QFileInfo info(path);
    return Key{path, info.size(), info.lastModified()};
}

void RouteCache::setSource(const QString &name, Source source)
{
    QMutexLocker lock(&m_mutex);
    m_sources.insert(name, std::move(source));
}

QList<QList<RoutePoint>> RouteCache::routes(const QStringList &paths)
{
    QList<Key> keys;
    QList<FileState> missing;
    QList<Source> sources;
    {
        QMutexLocker lock(&m_mutex);
        for (const QString &path : paths) {
            keys.append(keyOf(path));
            if (!m_routes.contains(keys.last()))
                missing.append({path, keys.last().size, keys.last().modified});
        }
        if (!missing.isEmpty())
            sources = m_sources.values();
    }
    QHash<QString, QList<RoutePoint>> known;
    for (const Source &source : std::as_const(sources)) {
        QList<FileState> asked;
        for (const FileState &file : std::as_const(missing)) {
            if (!known.contains(file.path))
                asked.append(file);
        }
        if (!asked.isEmpty())
            known.insert(source(asked));
    }
    QList<FileState> unread;
    for (const FileState &file : std::as_const(missing)) {
        if (!known.contains(file.path))
            unread.append(file);
    }
    const QList<QList<RoutePoint>> found = QtConcurrent::blockingMapped<QList<QList<RoutePoint>>>(
        unread, [](const FileState &file) { return routeOf(*readRecordingTelemetry(file.path)); });
    QMutexLocker lock(&m_mutex);
    for (const FileState &file : std::as_const(missing)) {
        if (const auto it = known.constFind(file.path); it != known.cend())
            m_routes.insert(Key{file.path, file.size, file.modified}, *it);
    }
    for (qsizetype i = 0; i < unread.size(); ++i)
        m_routes.insert(Key{unread[i].path, unread[i].size, unread[i].modified}, found[i]);
    QList<QList<RoutePoint>> out;
    for (const Key &key : keys)
        out.append(m_routes.value(key));
    return out;
}
