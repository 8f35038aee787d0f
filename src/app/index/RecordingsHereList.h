#pragma once

#include "core/index/passgroups.h"

#include <QTreeWidget>

// "Recordings here": the passes by a place, one row each (date and time, speed, direction of
// travel) with the recordings the pass left stretches in below it. A double click plays the
// recording from the moment of the pass; on a pass's own row, the recording that came closest.
class RecordingsHereList : public QTreeWidget
{
    Q_OBJECT
public:
    explicit RecordingsHereList(QWidget *parent = nullptr);

    void setPasses(const QList<PassGroup> &passes);

    // What a pass's row says in its columns.
    static QStringList passColumns(const PassGroup &pass);

signals:
    void playRequested(const QString &path, double offsetSeconds);

private:
    void play(QTreeWidgetItem *item);
};
