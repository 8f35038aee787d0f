#pragma once

#include "app/controls/MediaCellRoles.h"

#include <QAbstractTableModel>

class MediaList;

// The recording list: one row per catalogue entry, the four columns of MediaListCells.h.
class MediaListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int NamePartsRole = kNamePartsRole;

    explicit MediaListModel(const MediaList *list, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    Qt::DropActions supportedDropActions() const override;
    QStringList mimeTypes() const override;
    bool canDropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                         const QModelIndex &parent) const override;
    bool dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                      const QModelIndex &parent) override;

    // The catalogue was replaced: every row may have changed.
    void reload();

signals:
    // A folder (or the folder of a dropped file) was dropped on the list.
    void folderDropped(const QString &folder);

private:
    const MediaList *m_list;
};
