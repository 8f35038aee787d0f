#pragma once

#include "core/catalogue/DirectoryWalk.h"
#include "core/catalogue/MediaFile.h"
#include "core/catalogue/MediaPair.h"
#include "core/catalogue/MediaPairs.h"

#include <QFutureWatcher>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

#include <atomic>
#include <memory>

// The time-ordered catalogue of the recordings below one folder, with their front/rear pairs.
// Lives on the interface thread. A walk builds its catalogue privately on a worker thread and
// the catalogue is replaced in one step when the walk ends, so readers never see a half-built
// list. When a new folder is given while an earlier walk runs, or the list goes away, the
// earlier walk is stopped and its result dropped.
class MediaList : public QObject
{
    Q_OBJECT
public:
    struct Contents
    {
        QList<MediaFile> medias;
        MediaPairs mediaPairDic;
        WalkReport report; // folders that could not be read, the limit reached

        void addMedia(MediaFile media);
        // Takes a whole time-ordered list at once, replacing what was held.
        void adopt(QList<MediaFile> sorted);
        const MediaPair *findMediaPairWithFileName(const QString &fileName) const;
    };

    explicit MediaList(QObject *parent = nullptr);
    ~MediaList() override;

    // Stores the folder and, for a non-null path, starts a walk; returns at once.
    void setDirectoryPath(const QString &path);
    const QString &directoryPath() const { return m_directoryPath; }

    qint64 count() const { return m_contents.medias.size(); }
    // Nothing for an index that, read as unsigned, is not below count().
    const MediaFile *mediaAtIndex(qint64 index) const;
    const QList<MediaFile> &medias() const { return m_contents.medias; }
    const MediaPairs &mediaPairDic() const { return m_contents.mediaPairDic; }
    // Accepts a recording's name or file name, with or without folder.
    const MediaPair *findMediaPairWithFileName(const QString &fileName) const;
    void addMedia(const MediaFile &media) { m_contents.addMedia(media); }

    // What the last published walk could not do.
    const WalkReport &walkReport() const { return m_contents.report; }

    // True while a walk for the current folder has not yet been published.
    bool isWalking() const { return m_walk != nullptr; }

    // The whole walk of one folder: collect, sort by start time, pair. Runs on any thread and
    // ends early once `cancel` is set.
    static Contents walk(const QString &folder, const std::atomic<bool> *cancel = nullptr);
    // The pairs of a collected list as indexes into it, keyed by views of its own names, so
    // that nothing is copied: the list must outlive them. The same pairs as Contents holds.
    struct PairSlots
    {
        qsizetype front = -1;
        qsizetype rear = -1;
    };
    using PairIndexes = QHash<QStringView, PairSlots>;
    static PairIndexes pairIndexes(const QList<MediaFile> &medias);
    // The slots of the group a recording's name belongs to, as findMediaPairWithFileName finds.
    static PairSlots findPairSlots(const PairIndexes &pairs, const QString &fileName);
    // Its first two steps: the recordings in start-time order, not yet paired.
    static Walk collect(const QString &folder, const std::atomic<bool> *cancel = nullptr);

signals:
    // Emitted each time a walk has published its catalogue.
    void catalogueChanged();

private:
    void publish(quint64 generation, QFutureWatcher<Contents> *watcher);

    QString m_directoryPath;
    Contents m_contents;
    quint64 m_generation = 0;
    QFutureWatcher<Contents> *m_walk = nullptr;
    std::shared_ptr<std::atomic<bool>> m_cancelWalk; // set to stop the running walk
};
