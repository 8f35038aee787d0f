#pragma once

#include <QByteArray>
#include <QString>

// Replaces a file's whole content: the bytes go to a temporary file beside it, which takes
// the file's place only when every byte was written. False with the system's error text in
// *error otherwise; the old file is then left as it was.
bool replaceFileContents(const QString &path, const QByteArray &bytes, QString *error);
