#pragma once

#include <QString>

// The copy of a card's config.bin kept while the card is formatted.
struct ConfigBackup
{
    QString path;  // empty when the card had no config.bin
    QString error; // empty on success
};

// Copies config.bin from the card's root into a new folder of its own under `root` and reads
// the copy back; a copy that differs from the card's file is an error.
ConfigBackup backupConfigFile(const QString &mountPath, const QString &root);

// Replaces `to` with the bytes of `from`; the error's description, or empty on success.
QString copyConfigFile(const QString &from, const QString &to);
