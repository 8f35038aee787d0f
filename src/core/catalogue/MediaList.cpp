#include "core/catalogue/MediaList.h"

#include "core/catalogue/DirectoryWalk.h"

#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <vector>

namespace {

// A recording's name without its side: what its front and rear share.
QStringView sideless(QStringView name)
{
    if (endsWithAscii(name, "_F") || endsWithAscii(name, "_R"))
        name.chop(2);
    return name;
}

// The group a file name asks for: its recording name without the side.
QStringView pairKeyOf(QStringView fileName)
{
    return sideless(recordingNameOf(fileName));
}

// Stable, in the order compareDate gives.
void sortByStartTime(QList<MediaFile> &medias)
{
    // Sorting indexes by their keys moves 16 bytes where a record would move 128.
    std::vector<std::pair<MediaFile::SortKey, qsizetype>> order;
    order.reserve(size_t(medias.size()));
    for (qsizetype i = 0; i < medias.size(); ++i)
        order.emplace_back(medias[i].sortKey(), i);
    const bool keyed = std::all_of(order.begin(), order.end(),
                                   [](const auto &entry) { return entry.first.valid(); });
    if (keyed) {
        // The index breaks ties as a stable sort would, without its buffer.
        std::sort(order.begin(), order.end(), [](const auto &a, const auto &b) {
            return a.first.key < b.first.key || (a.first.key == b.first.key && a.second < b.second);
        });
    } else {
        std::stable_sort(order.begin(), order.end(), [&medias](const auto &a, const auto &b) {
            return medias[a.second].compareDate(medias[b.second]) < 0;
        });
    }
    // Into that order in place, one cycle of the permutation at a time.
    std::vector<bool> placed(order.size());
    for (size_t start = 0; start < order.size(); ++start) {
        if (placed[start])
            continue;
        MediaFile first = std::move(medias[qsizetype(start)]);
        size_t at = start;
        for (size_t from = size_t(order[at].second); from != start;
             at = from, from = size_t(order[at].second)) {
            medias[qsizetype(at)] = std::move(medias[qsizetype(from)]);
            placed[at] = true;
        }
        medias[qsizetype(at)] = std::move(first);
        placed[at] = true;
    }
}

// The group a recording joins, made when it is the first: found by its name without the
// side, made under its name without the last two characters.
template <typename Dict, typename ToKey>
auto &groupOf(Dict &dict, const MediaFile &media, ToKey toKey)
{
    const QStringView name = media.mediaName();
    const QStringView side = sideless(name);
    if (side.size() == name.size() - 2) // both keys are the same: one probe
        return dict[toKey(side)];
    auto it = dict.find(toKey(side));
    if (it == dict.end())
        it = dict.insert(toKey(media.mediaGroupNameView()), {});
    return *it;
}

QStringView asView(QStringView view)
{
    return view;
}

// The group a recording joins, by groupOf's rule.
MediaPair &groupFor(MediaPairs &dict, const MediaFile &media)
{
    if (MediaPair *pair = dict.find(sideless(media.mediaName())))
        return *pair;
    return dict[media.mediaGroupNameView()];
}

// The same group for a recording whose group most likely is not there yet, as a record whose
// time differs from the one before it in time order: a name ending in its side is looked up
// and made under the same key, in one probe.
MediaPair &newGroupFor(MediaPairs &dict, const MediaFile &media)
{
    const QStringView name = media.mediaName();
    if (sideless(name).size() == name.size() - 2)
        return dict[media.mediaGroupNameView()];
    return groupFor(dict, media);
}

void join(MediaPair &group, const MediaFile &media)
{
    if (media.isRearMedia())
        group.rearMedia = media;
    else if (media.isFrontMedia())
        group.frontMedia = media;
}

} // namespace

void MediaList::Contents::adopt(QList<MediaFile> sorted)
{
    medias = std::move(sorted);
    mediaPairDic.clear();
    mediaPairDic.reserve(medias.size());
    // In time order the front and the rear of a moment lie side by side: the second finds
    // the group the first has just made or found, without a probe.
    MediaPair *last = nullptr;
    QStringView lastKey;
    for (const MediaFile &media : std::as_const(medias)) {
        const QStringView key = sideless(media.mediaName());
        if (!last || key != lastKey || key.size() != media.mediaName().size() - 2) {
            last = &newGroupFor(mediaPairDic, media);
            lastKey = key;
        }
        join(*last, media);
    }
}

void MediaList::Contents::addMedia(MediaFile media)
{
    medias.append(std::move(media));
    join(groupFor(mediaPairDic, medias.constLast()), medias.constLast());
}

const MediaPair *MediaList::Contents::findMediaPairWithFileName(const QString &fileName) const
{
    return mediaPairDic.find(pairKeyOf(fileName));
}

MediaList::MediaList(QObject *parent) : QObject(parent) {}

MediaList::~MediaList()
{
    if (m_cancelWalk)
        *m_cancelWalk = true;
}

void MediaList::setDirectoryPath(const QString &path)
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
        [path, cancel = m_cancelWalk] { return MediaList::walk(path, cancel.get()); }));
}

void MediaList::publish(quint64 generation, QFutureWatcher<Contents> *watcher)
{
    watcher->deleteLater();
    if (generation != m_generation || watcher != m_walk)
        return;
    m_walk = nullptr;
    m_contents = watcher->result();
    emit catalogueChanged();
}

Walk MediaList::collect(const QString &folder, const std::atomic<bool> *cancel)
{
    Walk walk = walkFolder(folder, cancel);
    sortByStartTime(walk.found);
    return walk;
}

MediaList::PairIndexes MediaList::pairIndexes(const QList<MediaFile> &medias)
{
    PairIndexes pairs;
    pairs.reserve(medias.size() / 2 + 1);
    for (qsizetype i = 0; i < medias.size(); ++i) {
        const MediaFile &media = medias[i];
        PairSlots &group = groupOf(pairs, media, asView);
        if (media.isRearMedia())
            group.rear = i;
        else if (media.isFrontMedia())
            group.front = i;
    }
    return pairs;
}

MediaList::PairSlots MediaList::findPairSlots(const PairIndexes &pairs, const QString &fileName)
{
    return pairs.value(pairKeyOf(fileName));
}

MediaList::Contents MediaList::walk(const QString &folder, const std::atomic<bool> *cancel)
{
    Walk collected = collect(folder, cancel);
    Contents contents;
    contents.report = std::move(collected.report);
    contents.adopt(std::move(collected.found));
    return contents;
}

const MediaFile *MediaList::mediaAtIndex(qint64 index) const
{
    if (static_cast<quint64>(index) >= static_cast<quint64>(m_contents.medias.size()))
        return nullptr;
    return &m_contents.medias[index];
}

const MediaPair *MediaList::findMediaPairWithFileName(const QString &fileName) const
{
    return m_contents.findMediaPairWithFileName(fileName);
}
