#include "core/index/sqlitedb.h"

#include <sqlite3.h>
#include <utility>

namespace {

tvk::Failure sqliteFailure(sqlite3 *db, int code, const QString &subject)
{
    const char *words = db ? sqlite3_errmsg(db) : sqlite3_errstr(code);
    return tvk::Failure{
        QT_TRID_NOOP("msg.index_fail"), subject, QString::fromUtf8(words), {}, code & 0xff};
}

} // namespace

SqliteStatement::SqliteStatement(SqliteStatement &&other) noexcept
    : m_db(std::exchange(other.m_db, nullptr)),
      m_statement(std::exchange(other.m_statement, nullptr)), m_error(other.m_error),
      m_errorText(std::move(other.m_errorText))
{}

SqliteStatement &SqliteStatement::operator=(SqliteStatement &&other) noexcept
{
    std::swap(m_db, other.m_db);
    std::swap(m_statement, other.m_statement);
    std::swap(m_error, other.m_error);
    std::swap(m_errorText, other.m_errorText);
    return *this;
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(m_statement);
}

SqliteStatement &SqliteStatement::bind(int index, qint64 value)
{
    sqlite3_bind_int64(m_statement, index, value);
    return *this;
}

SqliteStatement &SqliteStatement::bind(int index, double value)
{
    sqlite3_bind_double(m_statement, index, value);
    return *this;
}

SqliteStatement &SqliteStatement::bind(int index, const QString &value)
{
    const QByteArray utf8 = value.toUtf8();
    sqlite3_bind_text(m_statement, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    return *this;
}

SqliteStatement &SqliteStatement::bindBlob(int index, QByteArrayView value)
{
    sqlite3_bind_blob64(m_statement, index, value.data(), sqlite3_uint64(value.size()),
                        SQLITE_TRANSIENT);
    return *this;
}

SqliteStatement &SqliteStatement::bindNull(int index)
{
    sqlite3_bind_null(m_statement, index);
    return *this;
}

bool SqliteStatement::next()
{
    if (m_error)
        return false;
    const int code = sqlite3_step(m_statement);
    if (code == SQLITE_ROW)
        return true;
    if (code != SQLITE_DONE) {
        m_error = code;
        m_errorText = QString::fromUtf8(sqlite3_errmsg(m_db));
    }
    return false;
}

tvk::Result<void> SqliteStatement::finish()
{
    const int error = std::exchange(m_error, 0);
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
    if (error)
        return tvk::Failure{QT_TRID_NOOP("msg.index_fail"), {}, m_errorText, {}, error & 0xff};
    return {};
}

tvk::Result<void> SqliteStatement::run()
{
    while (next()) {
    }
    return finish();
}

qint64 SqliteStatement::integer(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

double SqliteStatement::real(int column) const
{
    return sqlite3_column_double(m_statement, column);
}

QString SqliteStatement::text(int column) const
{
    const auto *bytes = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
    return QString::fromUtf8(bytes, sqlite3_column_bytes(m_statement, column));
}

QByteArrayView SqliteStatement::blob(int column) const
{
    const auto *bytes = static_cast<const char *>(sqlite3_column_blob(m_statement, column));
    return QByteArrayView(bytes, bytes ? sqlite3_column_bytes(m_statement, column) : 0);
}

bool SqliteStatement::isNull(int column) const
{
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

SqliteDb::~SqliteDb()
{
    close();
}

tvk::Result<void> SqliteDb::open(const QString &path, bool create, int busyMs)
{
    close();
    m_path = path;
    const int flags =
        SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0) | SQLITE_OPEN_NOMUTEX;
    const int code = sqlite3_open_v2(path.toUtf8().constData(), &m_db, flags, nullptr);
    if (code != SQLITE_OK) {
        tvk::Failure failure = sqliteFailure(m_db, code, path);
        close();
        return failure;
    }
    sqlite3_extended_result_codes(m_db, 0);
    sqlite3_busy_timeout(m_db, busyMs);
    return {};
}

void SqliteDb::close()
{
    m_reusable.clear(); // finalized before the connection goes
    if (m_db)
        sqlite3_close_v2(m_db);
    m_db = nullptr;
}

tvk::Result<SqliteStatement> SqliteDb::prepare(const char *sql)
{
    sqlite3_stmt *statement = nullptr;
    const int code =
        sqlite3_prepare_v3(m_db, sql, -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr);
    if (code != SQLITE_OK)
        return failure(code);
    return SqliteStatement(m_db, statement);
}

tvk::Result<SqliteStatement *> SqliteDb::reusable(const char *sql)
{
    const auto kept = m_reusable.find(sql);
    if (kept != m_reusable.end())
        return &kept->second;
    tvk::Result<SqliteStatement> statement = prepare(sql);
    if (!statement)
        return statement.failure();
    return &m_reusable.emplace(sql, std::move(*statement)).first->second;
}

tvk::Result<void> SqliteDb::exec(const char *sql)
{
    const int code = sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
    if (code != SQLITE_OK)
        return failure(code);
    return {};
}

tvk::Result<qint64> SqliteDb::integer(const char *sql, qint64 fallback)
{
    tvk::Result<SqliteStatement> statement = prepare(sql);
    if (!statement)
        return statement.failure();
    const qint64 value = statement->next() ? statement->integer(0) : fallback;
    if (tvk::Result<void> done = statement->finish(); !done)
        return done.failure();
    return value;
}

qint64 SqliteDb::lastInsertId() const
{
    return sqlite3_last_insert_rowid(m_db);
}

tvk::Failure SqliteDb::failure(int code) const
{
    return sqliteFailure(m_db, code, m_path);
}

bool isDamagedDatabase(const tvk::Failure &failure)
{
    return failure.code == SQLITE_CORRUPT || failure.code == SQLITE_NOTADB;
}
