#pragma once

#include <QStandardPaths>
#include <QString>

// The user's standard folder of this kind when it exists, else the home folder: a file dialog
// given a folder that does not exist opens in the program's working folder.
QString existingFolderOrHome(QStandardPaths::StandardLocation location);
