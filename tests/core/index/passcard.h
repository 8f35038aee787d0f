// The two-morning card, written once per test program, and its index in a private cache.
#pragma once

#include "core/index/cardindex.h"
#include "core/testsupport.h"
#include "writers/cardfiles/agedfolders.h"
#include "writers/democard/DemoPassCard.h"

#include <QDirIterator>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>

// Every file below a folder with its size and modification time, to see nothing changed.
inline QStringList folderState(const QString &folder)
{
    QStringList state;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        state << info.filePath() + u' ' + QString::number(info.size()) + u' ' +
                     QString::number(info.lastModified().toMSecsSinceEpoch());
    }
    state.sort();
    return state;
}

// Copies the card so that a test may change it.
inline bool copyFolder(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + u'/' + QDir(from).relativeFilePath(source);
        if (!QDir().mkpath(QFileInfo(target).absolutePath()) || !QFile::copy(source, target))
            return false;
        // Copies keep the time stamps, as a card copied with its files' times would.
        QFile copied(target);
        if (!copied.open(QIODevice::ReadWrite) ||
            !copied.setFileTime(QFileInfo(source).lastModified(),
                                QFileDevice::FileModificationTime))
            return false;
    }
    return true;
}
