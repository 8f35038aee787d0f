#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <memory>

class QIODevice;

// A folder that appears whole or not at all: files are written into a hidden temporary
// folder beside the target, each checked and hashed, then SHA256SUMS, then the folder is
// renamed into place. Dropped unfinished, it leaves nothing that looks complete.
class EvidenceFolder
{
public:
    // Refuses a target that exists and is not an empty folder. Check error() afterwards.
    explicit EvidenceFolder(const QString &target);
    ~EvidenceFolder();
    EvidenceFolder(const EvidenceFolder &) = delete;
    EvidenceFolder &operator=(const EvidenceFolder &) = delete;

    // The first failure, with its real reason; empty while all went well.
    const QString &error() const { return m_error; }

    // Copies a file byte for byte, reads the copy back and compares it with the original.
    bool copyVerified(const QString &source, const QString &name);
    // Writes a file through `write`, then reads it back for its checksum.
    bool writeFile(const QString &name, const std::function<bool(QIODevice &)> &write);
    bool writeFile(const QString &name, const QByteArray &bytes);

    // Writes SHA256SUMS over every file written and renames the folder into place.
    bool finish();

private:
    bool fail(const QString &message);
    QString pathOf(const QString &name) const;

    QString m_target;
    std::unique_ptr<QTemporaryDir> m_work;
    QList<std::pair<QString, QByteArray>> m_sums; // name, SHA-256 hex
    QString m_error;
};

// The SHA-256 of a file, read in blocks; empty when it cannot be read whole.
QByteArray fileSha256(const QString &path);
