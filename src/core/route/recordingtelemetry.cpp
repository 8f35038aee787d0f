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

void RouteCache::adopt(const QString &path, qint64 size, const QDateTime &modified,
                       QList<RoutePoint> route)
{
    QMutexLocker lock(&m_mutex);
    m_routes.insert(Key{path, size, modified}, std::move(route));
}

QList<QList<RoutePoint>> RouteCache::routes(const QStringList &paths)
{
    QList<Key> keys, missingKeys;
    QStringList missing;
    {
        QMutexLocker lock(&m_mutex);
        for (const QString &path : paths) {
            keys.append(keyOf(path));
            if (!m_routes.contains(keys.last())) {
                missing.append(path);
                missingKeys.append(keys.last());
            }
        }
    }
    const QList<QList<RoutePoint>> found = QtConcurrent::blockingMapped<QList<QList<RoutePoint>>>(
        missing, [](const QString &path) { return routeOf(*readRecordingTelemetry(path)); });
    QMutexLocker lock(&m_mutex);
    for (qsizetype i = 0; i < missing.size(); ++i)
        m_routes.insert(missingKeys[i], found[i]);
    QList<QList<RoutePoint>> out;
    for (const Key &key : keys)
        out.append(m_routes.value(key));
    return out;
}
