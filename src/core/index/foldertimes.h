#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The folders of a card with their modification times: a recording added, removed or renamed
// changes its folder's time, and a folder made or removed its parent's. When none has changed
// since a whole walk, the walk (a stat of every recording) can be skipped. A file rewritten in
// place keeps its folder's time: such a change waits for the next walk.

// A folder time this close to the walk (FAT keeps two-second times) cannot tell a later
// change from the walk's own moment.
inline constexpr qint64 kFolderTimeSlackMs = 3000;
// A tree with more folders than this is no card: it is walked every time.
inline constexpr qsizetype kMaxVouchingFolders = 2000;

// Every folder below `root` (links followed, each folder once) with its time, as stored text;
// nothing when a folder cannot be read, is newer than `walkStartMs` less the slack, or there
// are too many.
std::optional<QByteArray> folderTimes(const QString &root, qint64 walkStartMs);

// True when every folder of `stored` is still there with the same time.
bool folderTimesMatch(const QString &root, const QByteArray &stored);
