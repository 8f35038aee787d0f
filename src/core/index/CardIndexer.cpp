#include "core/index/CardIndexer.h"

#include "core/common/waitingjobs.h"

#include <QPointer>
#include <QtConcurrent>

CardIndexer::CardIndexer(const QString &cacheFolder, QObject *parent)
    : QObject(parent), m_cacheFolder(cacheFolder)
{}

CardIndexer::~CardIndexer()
{
    stop();
}

void CardIndexer::stop()
{
    if (!m_watcher)
        return;
    *m_cancel = true;
    m_watcher->disconnect(this);
    m_watcher->waitForFinished();
    m_watcher->deleteLater();
    m_watcher = nullptr;
}

void CardIndexer::start(const QString &folder)
{
    stop();
    m_folder = folder;
    const quint64 generation = ++m_generation;
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    m_watcher = new QFutureWatcher<Outcome>(this);
    connect(m_watcher, &QFutureWatcher<Outcome>::finished, this, [this, generation] {
        if (generation != m_generation || !m_watcher)
            return;
        const Outcome outcome = m_watcher->result();
        m_watcher->deleteLater();
        m_watcher = nullptr;
        if (outcome)
            emit finished(m_folder, *outcome);
        else
            emit failed(m_folder, outcome.failure());
    });
    const QPointer<CardIndexer> self(this);
    const auto tell = [self, generation](qsizetype done, qsizetype total) {
        QMetaObject::invokeMethod(
            self.data(),
            [self, generation, done, total] {
                if (self && generation == self->m_generation)
                    emit self->progress(done, total);
            },
            Qt::QueuedConnection);
    };
    m_watcher->setFuture(QtConcurrent::run(
        tvk::waitingJobs(), [folder, cache = m_cacheFolder, cancel = m_cancel, tell]() -> Outcome {
            // The connection is made and used on this thread only.
            tvk::Result<std::unique_ptr<CardIndex>> index = CardIndex::open(folder, cache);
            if (!index)
                return index.failure();
            return updateCardIndex(**index, tell, cancel.get());
        }));
}
