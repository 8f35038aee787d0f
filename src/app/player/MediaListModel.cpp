#include "app/player/MediaListModel.h"

#include "app/controls/NamedImage.h"
#include "core/catalogue/MediaList.h"
#include "core/catalogue/MediaListCells.h"
#include "core/common/strings.h"

#include <QFileInfo>
#include <QIcon>
#include <QMimeData>
#include <QUrl>

namespace {

QString droppedFolder(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl &url : data->urls()) {
        if (!url.isLocalFile())
            continue;
        const QFileInfo info(url.toLocalFile());
        if (info.isDir())
            return info.absoluteFilePath();
        if (info.isFile())
            return info.absolutePath();
    }
    return {};
}

} // namespace

MediaListModel::MediaListModel(const MediaList *list, QObject *parent)
    : QAbstractTableModel(parent), m_list(list)
{}

int MediaListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_list->count());
}

int MediaListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : medialist::kColumnCount;
}

QVariant MediaListModel::data(const QModelIndex &index, int role) const
{
    const MediaFile *media = m_list->mediaAtIndex(index.row());
    if (!media)
        return {};
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        switch (column) {
        case 0:
            return tvk::text(medialist::kindKey(*media));
        case 1:
            return medialist::dateText(*media);
        case 2:
            return medialist::timeText(*media);
        case 3:
            return role == Qt::ToolTipRole ? media->path() : media->fileName();
        }
        return {};
    case Qt::DecorationRole:
        if (column == 0) {
            const QString image = medialist::kindImageName(*media);
            if (tvk::hasNamedImage(image))
                return QIcon(tvk::imageResourcePath(image));
        }
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(medialist::column(column).alignment);
    case NamePartsRole:
        return medialist::nameParts(*media);
    default:
        return {};
    }
}

QVariant MediaListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= medialist::kColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return tvk::text(medialist::column(section).titleKey);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(medialist::column(section).alignment);
    return {};
}

Qt::ItemFlags MediaListModel::flags(const QModelIndex &index) const
{
    return QAbstractTableModel::flags(index) | Qt::ItemIsDropEnabled;
}

Qt::DropActions MediaListModel::supportedDropActions() const
{
    return Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
}

QStringList MediaListModel::mimeTypes() const
{
    return {QStringLiteral("text/uri-list")};
}

bool MediaListModel::canDropMimeData(const QMimeData *data, Qt::DropAction, int, int,
                                     const QModelIndex &) const
{
    return !droppedFolder(data).isEmpty();
}

bool MediaListModel::dropMimeData(const QMimeData *data, Qt::DropAction, int, int,
                                  const QModelIndex &)
{
    const QString folder = droppedFolder(data);
    if (folder.isEmpty())
        return false;
    emit folderDropped(folder);
    return true;
}

void MediaListModel::reload()
{
    beginResetModel();
    endResetModel();
}
