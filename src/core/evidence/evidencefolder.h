#pragma once

#include "core/common/result.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>

#include <functional>
#include <optional>

class QIODevice;

// A folder that appears whole or not at all: files are written into a partial folder beside
// the target (named so that the catalogue walk keeps out of it), each checked and hashed,
// then SHA256SUMS, then the folder is renamed into place. Dropped unfinished, it leaves
// nothing that looks complete; a later folder removes partial folders whose run has died.
class EvidenceFolder
{
public:
    // Refuses a target that exists and is not an empty folder. Check status() afterwards.
    explicit EvidenceFolder(const QString &target);
    ~EvidenceFolder();
    EvidenceFolder(const EvidenceFolder &) = delete;
    EvidenceFolder &operator=(const EvidenceFolder &) = delete;

    // The first failure, with its real reason.
    tvk::Result<void> status() const;

    // A file name of the folder no other file has (letter case aside, as on a card): `wanted`
    // itself, or with "-2", "-3"... before its extension.
    QString claimName(const QString &wanted);

    // Copies a file byte for byte, reads the copy back and compares it with the original.
    bool copyVerified(const QString &source, const QString &name);
    // Writes a file through `write`, then reads it back for its checksum.
    bool writeFile(const QString &name, const std::function<tvk::Result<void>(QIODevice &)> &write);
    bool writeFile(const QString &name, const QByteArray &bytes);

    // Writes the checksums of every file written, under `sumsName`, and puts the folder in
    // place.
    bool finish(const QString &sumsName);

private:
    bool fail(tvk::Failure failure);
    // The system's own words about `path`, as they are.
    bool failOn(const QString &path, const QString &reason);
    QString pathOf(const QString &name) const;
    void removeWork();

    QString m_target;
    QString m_work;        // the partial folder, empty when none was made
    int m_lock = -1;       // the partial folder, locked while this run owns it
    bool m_inside = false; // built inside the target, a mount point, and moved in file by file
    QSet<QString> m_names; // folded to lower case
    QList<std::pair<QString, QByteArray>> m_sums; // name, SHA-256 hex
    std::optional<tvk::Failure> m_failure;
};

// The SHA-256 of a file, read in blocks; empty when it cannot be read whole.
QByteArray fileSha256(const QString &path);

// Removes the partial folders in `folder` whose run has ended without finishing (their lock
// is free); those of a run still going and anything not ours are left alone.
void removeStalePartialFolders(const QString &folder);
