#include "replacefile.h"

#include <QSaveFile>

bool replaceFileContents(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    // Unbuffered, so that a write the file system cuts short shows in write()'s count: a
    // buffered QSaveFile (Qt 6.4) loses that at its final flush and commits the torn file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const qint64 written = file.write(bytes);
    if (written != bytes.size()) {
        if (error)
            *error = written < 0 ? file.errorString()
                                 : QStringLiteral("only %1 of %2 bytes could be written")
                                       .arg(written)
                                       .arg(bytes.size());
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}
