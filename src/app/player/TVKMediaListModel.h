#pragma once

#include <QAbstractTableModel>

class TVKMediaList;

// The recording list: one row per catalogue entry, the four columns of MediaListCells.h.
class TVKMediaListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // The file name in four pieces for the list's drawing: what comes before the time of day,
    // the time of day ("hhmiss"), the side ("_F", "_R") and the extension with its dot; the
    // middle two empty when the name does not carry a known time and side.
    static constexpr int NamePartsRole = Qt::UserRole + 1;

    explicit TVKMediaListModel(const TVKMediaList *list, QObject *parent = nullptr);

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
    const TVKMediaList *m_list;
};
