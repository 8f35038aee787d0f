#pragma once

#include "TVKMedia.h"

#include <QList>

#include <optional>

// A folder stops being listed once the collection holds this many recordings.
inline constexpr qsizetype kMaxCatalogueEntries = 15000;

// True when the name holds at least startPos + 15 characters (room for the time).
bool checkTimeByName(const QString &name, qint64 startPos);

// The acceptance filter of recording files: the name's length, prefix room and side suffix.
// The digits of the time are not examined here.
std::optional<TVKMedia> createMediaByPath(const QString &path);

// Collects the accepted recordings of a folder tree into the list, in the order the file
// system lists each folder. Links to folders are followed; a folder already on the current
// path of the walk is not entered again. Unreadable folders contribute nothing.
void eachDir(const QString &folder, QList<TVKMedia> &medias);
