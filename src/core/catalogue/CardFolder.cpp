#include "core/catalogue/CardFolder.h"

#include <QFileInfo>

QString cardFolderOfRecording(const QString &recordingPath)
{
    // CARD/DCIM/100ALWAY/alwa_..._F.avi: two levels up, whatever case the camera wrote.
    const QString own = QFileInfo(recordingPath).absolutePath();
    const QFileInfo group(own);
    const QFileInfo dcim(group.absolutePath());
    if (dcim.fileName().compare(QLatin1String("DCIM"), Qt::CaseInsensitive) == 0)
        return dcim.absolutePath();
    return own;
}
