#pragma once

#include "core/common/result.h"

#include <QByteArray>
#include <QString>

#include <string>
#include <unordered_map>

struct sqlite3;
struct sqlite3_stmt;

// A thin owner of one SQLite connection and its statements. Every failure carries SQLite's
// own words and its result code, so that a caller can tell a damaged file from a busy one.
class SqliteStatement
{
public:
    SqliteStatement() = default;
    SqliteStatement(SqliteStatement &&other) noexcept;
    SqliteStatement &operator=(SqliteStatement &&other) noexcept;
    SqliteStatement(const SqliteStatement &) = delete;
    SqliteStatement &operator=(const SqliteStatement &) = delete;
    ~SqliteStatement();

    SqliteStatement &bind(int index, qint64 value);
    SqliteStatement &bind(int index, double value);
    SqliteStatement &bind(int index, const QString &value);
    SqliteStatement &bindNull(int index);
    SqliteStatement &bindBlob(int index, QByteArrayView value);

    // True while a row is there to read; a failure ends the walk and is kept.
    bool next();
    // Runs a statement that returns no rows.
    tvk::Result<void> run();
    // The failure of the last step, if any; resets the statement for the next use.
    tvk::Result<void> finish();

    qint64 integer(int column) const;
    double real(int column) const;
    QString text(int column) const;
    // The bytes of a blob column, valid until the next step.
    QByteArrayView blob(int column) const;
    bool isNull(int column) const;

private:
    friend class SqliteDb;
    SqliteStatement(sqlite3 *db, sqlite3_stmt *statement) : m_db(db), m_statement(statement) {}

    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_statement = nullptr;
    int m_error = 0;
    QString m_errorText;
};

class SqliteDb
{
public:
    SqliteDb() = default;
    SqliteDb(const SqliteDb &) = delete;
    SqliteDb &operator=(const SqliteDb &) = delete;
    ~SqliteDb();

    // Opens (creating when allowed) the file; waits up to `busyMs` for another program's locks.
    tvk::Result<void> open(const QString &path, bool create, int busyMs);
    void close();
    bool isOpen() const { return m_db != nullptr; }

    tvk::Result<SqliteStatement> prepare(const char *sql);
    // A statement prepared once and kept until the connection closes; run() and finish() leave
    // it ready for its next use. For the writes of every recording: preparing each anew cost a
    // tenth of a card's first index.
    tvk::Result<SqliteStatement *> reusable(const char *sql);
    // One or more statements without parameters or rows.
    tvk::Result<void> exec(const char *sql);
    // The first column of the first row, or `fallback` when there is none.
    tvk::Result<qint64> integer(const char *sql, qint64 fallback = 0);
    qint64 lastInsertId() const;

    // A failure of this database: the file and SQLite's words for `code`.
    tvk::Failure failure(int code) const;

private:
    sqlite3 *m_db = nullptr;
    QString m_path;
    std::unordered_map<std::string, SqliteStatement> m_reusable;
};

// SQLite's result codes that say the file is not a sound database.
bool isDamagedDatabase(const tvk::Failure &failure);
