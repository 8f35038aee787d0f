#pragma once

#include "core/common/result.h"
#include "core/index/indexupdate.h"

#include <QFutureWatcher>
#include <QObject>

#include <atomic>
#include <memory>

// Brings a card's index up to date in the background, for the window: the list of recordings
// shows at once, the index follows with its progress. Lives on the interface thread; its
// signals come there. A new folder, or the indexer going away, stops the earlier update
// between two of its batches (each written whole).
class CardIndexer : public QObject
{
    Q_OBJECT
public:
    // `cacheFolder` empty: the user's cache.
    explicit CardIndexer(const QString &cacheFolder = {}, QObject *parent = nullptr);
    ~CardIndexer() override;

    void start(const QString &folder);
    bool isRunning() const { return m_watcher != nullptr; }
    const QString &folder() const { return m_folder; }

signals:
    void progress(qsizetype done, qsizetype total);
    void finished(const QString &folder, const IndexUpdateReport &report);
    void failed(const QString &folder, const tvk::Failure &failure);

private:
    using Outcome = tvk::Result<IndexUpdateReport>;
    void stop();

    QString m_cacheFolder;
    QString m_folder;
    quint64 m_generation = 0;
    QFutureWatcher<Outcome> *m_watcher = nullptr;
    std::shared_ptr<std::atomic<bool>> m_cancel;
};
