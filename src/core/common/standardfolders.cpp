#include "core/common/standardfolders.h"

#include <QDir>
#include <QFileInfo>

QString existingFolderOrHome(QStandardPaths::StandardLocation location)
{
    const QString folder = QStandardPaths::writableLocation(location);
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}
