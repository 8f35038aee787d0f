#pragma once

#include "core/common/result.h"
#include "core/index/sqlitedb.h"

#include <QString>

#include <memory>

// The index of one card: its recordings, their route points (one a second, packed one blob a
// recording, each point also a box of an R*Tree),
// events, trips and clock offsets, in an SQLite file of the user's cache, never on the card.
// Two programs may hold it at once: each waits for the other's write instead of failing.
inline constexpr int kCardIndexSchemaVersion = 4;
inline constexpr int kCardIndexBusyMs = 60000;
// The file is read through a mapping of up to this many bytes: a card's routes are then read
// without a system call a page. (The index lives in the user's cache, never on the card.)
inline constexpr qint64 kCardIndexMapBytes = qint64(1) << 30;

class CardIndex
{
public:
    // What the card is known by: its volume's UUID (or label) and the folder inside that
    // volume when it has one, so that it is found again under another mount point; else the
    // folder's canonical path.
    static QString identityOf(const QString &folder);
    // The index file of that identity, below `cacheFolder` (the user's cache when empty).
    static QString fileOf(const QString &identity, const QString &cacheFolder = {});

    // Opens the index of a card folder, creating it as needed. A file of another version, of
    // another program or a damaged one is rebuilt empty.
    static tvk::Result<std::unique_ptr<CardIndex>> open(const QString &folder,
                                                        const QString &cacheFolder = {});

    // Throws the file away and starts it again empty, for a file found damaged in use.
    tvk::Result<void> restart();

    SqliteDb &db() { return m_db; }
    const QString &folder() const { return m_folder; }
    const QString &file() const { return m_file; }
    // True when the last open found a file it had to start again.
    bool wasRebuilt() const { return m_rebuilt; }

    // The card path of a stored relative path, and back.
    QString absolutePath(const QString &relative) const;
    QString relativePath(const QString &absolute) const;

private:
    CardIndex() = default;
    tvk::Result<void> openFile();
    tvk::Result<void> prepareSchema();

    SqliteDb m_db;
    QString m_folder;
    QString m_file;
    bool m_rebuilt = false;
};
