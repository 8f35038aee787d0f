#include "core/index/cardindex.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// "TVKI": tells our files from another program's SQLite file in the same place.
constexpr qint64 kApplicationId = 0x54564b49;

constexpr const char *kSchema = R"(
CREATE TABLE recordings(
    id INTEGER PRIMARY KEY,
    path TEXT NOT NULL UNIQUE,
    size INTEGER NOT NULL,
    mtime_ms INTEGER NOT NULL,
    kind INTEGER NOT NULL,
    side INTEGER NOT NULL,
    start TEXT,
    length_ms INTEGER,
    clock_offset_s REAL,
    points INTEGER NOT NULL,
    trip INTEGER);
CREATE TABLE routes(
    recording INTEGER PRIMARY KEY,
    route BLOB NOT NULL);
CREATE VIRTUAL TABLE point_boxes USING rtree(id, min_lat, max_lat, min_lon, max_lon);
CREATE TABLE trips(
    id INTEGER PRIMARY KEY,
    start TEXT NOT NULL,
    end TEXT NOT NULL,
    kilometres REAL NOT NULL);
CREATE VIEW events AS SELECT id, path, start, length_ms FROM recordings WHERE kind = 2;
CREATE TABLE card(key TEXT PRIMARY KEY, value TEXT);
)";

tvk::Result<bool> isCurrentSchema(SqliteDb &db)
{
    const tvk::Result<qint64> id = db.integer("PRAGMA application_id");
    if (!id)
        return id.failure();
    const tvk::Result<qint64> version = db.integer("PRAGMA user_version");
    if (!version)
        return version.failure();
    return *id == kApplicationId && *version == kCardIndexSchemaVersion;
}

// Drops whatever the file holds, virtual tables first (their shadow tables go with them).
tvk::Result<void> dropEverything(SqliteDb &db)
{
    for (const char *kinds :
         {"type = 'table' AND sql LIKE 'CREATE VIRTUAL%'", "type = 'view'", "type = 'table'"}) {
        QList<QByteArray> drops;
        const QByteArray select = "SELECT type, name FROM sqlite_master WHERE " +
                                  QByteArray(kinds) + " AND name NOT LIKE 'sqlite_%'";
        tvk::Result<SqliteStatement> list = db.prepare(select.constData());
        if (!list)
            return list.failure();
        while (list->next()) {
            QString name = list->text(1);
            name.replace(u'"', QStringLiteral("\"\""));
            drops.append("DROP " + list->text(0).toUtf8() + " IF EXISTS \"" + name.toUtf8() + "\"");
        }
        if (tvk::Result<void> done = list->finish(); !done)
            return done;
        for (const QByteArray &drop : std::as_const(drops)) {
            if (tvk::Result<void> done = db.exec(drop.constData()); !done)
                return done;
        }
    }
    return {};
}

void removeDatabaseFiles(const QString &file)
{
    for (const char *suffix : {"", "-wal", "-shm", "-journal"})
        QFile::remove(file + QLatin1String(suffix));
}

} // namespace

tvk::Result<std::unique_ptr<CardIndex>> CardIndex::open(const QString &folder,
                                                        const QString &cacheFolder)
{
    std::unique_ptr<CardIndex> index(new CardIndex);
    index->m_folder = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    index->m_file = fileOf(identityOf(folder), cacheFolder);
    if (!QDir().mkpath(QFileInfo(index->m_file).absolutePath()))
        return tvk::Failure{QT_TRID_NOOP("msg.index_folder_fail"),
                            QFileInfo(index->m_file).absolutePath()};
    tvk::Result<void> opened = index->openFile();
    // A file of another program that will not even drop its tables is started again too.
    if (!opened && (isDamagedDatabase(opened.failure()) || opened.failure().code == 1)) {
        // Nothing in it is worth keeping: the card still holds every fact.
        opened = index->restart();
    }
    if (!opened)
        return opened.failure();
    return index;
}

tvk::Result<void> CardIndex::restart()
{
    m_db.close();
    removeDatabaseFiles(m_file);
    m_rebuilt = true;
    return openFile();
}

tvk::Result<void> CardIndex::openFile()
{
    if (tvk::Result<void> done = m_db.open(m_file, true, kCardIndexBusyMs); !done)
        return done;
    // WAL: readers never wait for the writer, and a crash leaves the last commit whole.
    const QByteArray pragmas = "PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL; "
                               "PRAGMA mmap_size = " +
                               QByteArray::number(kCardIndexMapBytes) + ";";
    if (tvk::Result<void> done = m_db.exec(pragmas.constData()); !done)
        return done;
    return prepareSchema();
}

tvk::Result<void> CardIndex::prepareSchema()
{
    tvk::Result<bool> current = isCurrentSchema(m_db);
    if (!current)
        return current.failure();
    if (*current)
        return {};
    // Another program may be creating it at this moment: decide under the write lock.
    if (tvk::Result<void> done = m_db.exec("BEGIN IMMEDIATE"); !done)
        return done;
    current = isCurrentSchema(m_db);
    tvk::Result<void> done = current ? tvk::Result<void>() : current.failure();
    if (done && !*current) {
        const tvk::Result<qint64> objects = m_db.integer("SELECT count(*) FROM sqlite_master");
        m_rebuilt = m_rebuilt || !objects || *objects > 0;
        done = dropEverything(m_db);
        if (done)
            done = m_db.exec(kSchema);
        if (done) {
            const QByteArray pragmas =
                "PRAGMA application_id = " + QByteArray::number(kApplicationId) +
                "; PRAGMA user_version = " + QByteArray::number(kCardIndexSchemaVersion) + ";";
            done = m_db.exec(pragmas.constData());
        }
    }
    if (!done) {
        (void)m_db.exec("ROLLBACK");
        return done;
    }
    return m_db.exec("COMMIT");
}
