#pragma once

#include <QString>

// The front/rear test of a video player's media, from its file path: the path must end in
// "_R.avi" (rear) or "_F.avi" (front), ignoring case; anything else, or no path, is unknown.
int mediaDirectionOfPath(const QString &path);
inline bool isFrontMediaPath(const QString &path)
{
    return mediaDirectionOfPath(path) == 0;
}
inline bool isRearMediaPath(const QString &path)
{
    return mediaDirectionOfPath(path) == 1;
}
