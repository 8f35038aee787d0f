#pragma once

#include <QString>

// The folder to open for a recording opened by itself (from a file manager): the card's top
// when the recording lies in a folder of the card's DCIM folder, so that its partner and
// neighbours are listed too; the recording's own folder otherwise.
QString cardFolderOfRecording(const QString &recordingPath);
