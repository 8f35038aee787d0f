#pragma once

#include "core/catalogue/MediaFile.h"
#include "core/common/result.h"

#include <QList>

#include <atomic>
#include <optional>

// A folder stops being listed once the collection holds this many recordings.
inline constexpr qsizetype kMaxCatalogueEntries = 15000;

// True when the name holds at least startPos + 15 characters (room for the time).
bool checkTimeByName(QStringView name, qint64 startPos);

// The acceptance filter of recording files: the name's length, prefix room and side suffix.
// The digits of the time are not examined here. `dir`, when given, is the path's folder.
std::optional<MediaFile> createMediaByPath(const QString &path, const QString &dir = QString());

// What a walk could not do.
struct WalkReport
{
    QList<tvk::Failure> unreadableFolders; // the top folder first when it failed itself
    bool stoppedAtLimit = false;           // kMaxCatalogueEntries recordings were collected
    bool cancelled = false;
    // Recordings whose path is not valid UTF-8: Qt cannot name them, so they are left out.
    QStringList unnamedRecordings; // shown with replacement characters
};

// What the user is told of a walk of `folder`: a line per unreadable folder, the limit, the
// recordings left out for their names. Empty when the walk did all it should.
QStringList walkReportLines(const WalkReport &report, const QString &folder);

// The accepted recordings of a folder tree and what the walk could not do.
struct Walk
{
    QList<MediaFile> found;
    WalkReport report;
};

// Collects the accepted recordings of a folder tree, in the order the file system lists each
// folder. Links are followed, but each folder (device and inode) is entered once, pseudo file
// systems (proc, sysfs, devtmpfs, cgroup and their kin) not at all, and only regular files are
// taken as recordings. The walk ends early once `cancel` is set.
Walk walkFolder(const QString &folder, const std::atomic<bool> *cancel = nullptr);
