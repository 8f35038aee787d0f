#include "TVKMediaList.h"

#include "directorywalk.h"

#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

namespace {

QString pairKeyOf(const QString &fileName)
{
    QString name, extension;
    splitFileName(fileName, &name, &extension);
    if (name.endsWith(QLatin1String("_F")) || name.endsWith(QLatin1String("_R")))
        name.chop(2);
    return name;
}

} // namespace

void TVKMediaList::Contents::addMedia(const TVKMedia &media)
{
    medias.append(media);
    auto it = mediaPairDic.find(pairKeyOf(media.fileName()));
    if (it == mediaPairDic.end())
        it = mediaPairDic.insert(media.mediaGroupName(), TVKMediaPair::mediaPair());
    if (media.isRearMedia())
        it->rearMedia = media;
    else if (media.isFrontMedia())
        it->frontMedia = media;
}

const TVKMediaPair *TVKMediaList::Contents::findMediaPairWithFileName(const QString &fileName) const
{
    const auto it = mediaPairDic.constFind(pairKeyOf(fileName));
    return it == mediaPairDic.cend() ? nullptr : &*it;
}

TVKMediaList::TVKMediaList(QObject *parent) : QObject(parent) {}

TVKMediaList::~TVKMediaList()
{
    if (m_cancelWalk)
        *m_cancelWalk = true;
}

void TVKMediaList::setDirectoryPath(const QString &path)
{
    m_directoryPath = path;
    ++m_generation;
    if (m_cancelWalk)
        *m_cancelWalk = true;
    if (m_walk) {
        // The earlier walk stops soon on its own; its result is not wanted any more.
        m_walk->disconnect(this);
        m_walk->deleteLater();
        m_walk = nullptr;
    }
    if (path.isNull())
        return;

    const quint64 generation = m_generation;
    auto *watcher = new QFutureWatcher<Contents>(this);
    m_walk = watcher;
    connect(watcher, &QFutureWatcherBase::finished, this,
            [this, generation, watcher] { publish(generation, watcher); });
    // Shared with the worker, which may outlive this list.
    m_cancelWalk = std::make_shared<std::atomic<bool>>(false);
    watcher->setFuture(QtConcurrent::run(
        [path, cancel = m_cancelWalk] { return TVKMediaList::walk(path, cancel.get()); }));
}

void TVKMediaList::publish(quint64 generation, QFutureWatcher<Contents> *watcher)
{
    watcher->deleteLater();
    if (generation != m_generation || watcher != m_walk)
        return;
    m_walk = nullptr;
    m_contents = watcher->result();
    if (m_delegate)
        m_delegate->mediaListChanged(this);
}

TVKMediaList::Contents TVKMediaList::walk(const QString &folder, const std::atomic<bool> *cancel)
{
    QList<TVKMedia> found;
    WalkReport report;
    eachDir(folder, found, &report, cancel);
    std::stable_sort(found.begin(), found.end(),
                     [](const TVKMedia &a, const TVKMedia &b) { return a.compareDate(b) < 0; });
    Contents contents;
    contents.medias.reserve(found.size());
    contents.mediaPairDic.reserve(found.size());
    for (const TVKMedia &media : std::as_const(found))
        contents.addMedia(media);
    contents.report = std::move(report);
    return contents;
}

const TVKMedia *TVKMediaList::mediaAtIndex(qint64 index) const
{
    if (static_cast<quint64>(index) >= static_cast<quint64>(m_contents.medias.size()))
        return nullptr;
    return &m_contents.medias[index];
}

const TVKMediaPair *TVKMediaList::findMediaPairWithFileName(const QString &fileName) const
{
    return m_contents.findMediaPairWithFileName(fileName);
}
