#include "core/catalogue/DirectoryWalk.h"

#include "core/catalogue/recordingfile.h"
#include "core/common/partialfolder.h"
#include "core/common/strings.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <set>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

bool checkTimeByName(QStringView name, qint64 startPos)
{
    return name.size() >= startPos + 15;
}

std::optional<MediaFile> createMediaByPath(const QString &path, const QString &dir)
{
    const QStringView name = recordingNameOf(path);
    if (!hasRecordingNameLength(name.size()))
        return std::nullopt;
    if (startsWithAscii(name, "alwa_")) {
        if (!checkTimeByName(name, 5))
            return std::nullopt;
    } else if (startsWithAscii(name, "motion_")) {
        if (!checkTimeByName(name, 7))
            return std::nullopt;
    } else if (startsWithAscii(name, "event_")) {
        if (!checkTimeByName(name, 6))
            return std::nullopt;
    }
    if (!endsWithAscii(name, "_F") && !endsWithAscii(name, "_R"))
        return std::nullopt;
    return MediaFile(path, dir);
}

namespace {

// The dot before "avi" in any case, or nothing when the name has another extension. After
// the last dot come three letters, so the name's end tells it: no search, no call per name.
const char *aviDot(const char *name, size_t length)
{
    if (length < 5) // ".avi" alone is a hidden name without an extension
        return nullptr;
    const char *dot = name + length - 4;
    const auto lower = [](char c) {
        return char(c | 0x20);
    };
    return dot[0] == '.' && lower(dot[1]) == 'a' && lower(dot[2]) == 'v' && lower(dot[3]) == 'i'
               ? dot
               : nullptr;
}

bool hasAviExtension(const char *name)
{
    return aviDot(name, std::strlen(name)) != nullptr;
}

bool isAscii(QByteArrayView bytes)
{
    unsigned char high = 0;
    for (const char c : bytes)
        high |= static_cast<unsigned char>(c);
    return high < 0x80;
}

// The folder's text and an ASCII name as one path, in one allocation.
QString joinedAscii(const QString &prefix, QByteArrayView name)
{
    QString path(prefix.size() + name.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(path.data());
    std::memcpy(out, prefix.utf16(), size_t(prefix.size()) * sizeof(char16_t));
    out += prefix.size();
    for (const char c : name)
        *out++ = static_cast<unsigned char>(c);
    return path;
}

// The device of /dev when the kernel's devtmpfs is mounted there (it reports itself as tmpfs).
dev_t deviceFilesDevice()
{
    struct stat info = {};
    return ::stat("/dev", &info) == 0 ? info.st_dev : dev_t(-1);
}

bool isDotOrDotDot(const char *name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// The entries of one open folder, read straight from the kernel a block at a time: no stream
// to open, no lock and no call per entry. The buffer is lent by the walk.
class FolderEntries
{
public:
    FolderEntries(int fd, char *buffer, size_t size) : m_fd(fd), m_buffer(buffer), m_size(size) {}

    const struct dirent64 *next()
    {
        if (m_at >= m_filled) {
            const ssize_t n = ::getdents64(m_fd, m_buffer, m_size);
            if (n <= 0)
                return nullptr;
            m_filled = size_t(n);
            m_at = 0;
        }
        const auto *entry = reinterpret_cast<const struct dirent64 *>(m_buffer + m_at);
        m_at += entry->d_reclen;
        return entry;
    }

private:
    int m_fd;
    char *m_buffer;
    size_t m_size;
    size_t m_filled = 0;
    size_t m_at = 0;
};

// Walks with byte paths and the directory entry types, so that a card of thousands of
// files costs one directory read per folder and a stat only for links and unknown types.
class FolderWalk
{
public:
    FolderWalk(Walk &walk, const std::atomic<bool> *cancel)
        : m_medias(walk.found), m_report(walk.report), m_cancel(cancel)
    {}

    // False when the walk is to end: cancelled or at the limit.
    // `folder` is the whole path; `name`, when given, the last part of it inside the open
    // folder `parent`, which spares the kernel a lookup of every part before it.
    bool walk(const QByteArray &folder, int parent = -1, const char *name = nullptr)
    {
        if (m_cancel && m_cancel->load(std::memory_order_relaxed)) {
            m_report.cancelled = true;
            return false;
        }
        constexpr int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
        const int fd = name ? ::openat(parent, name, flags) : ::open(folder.constData(), flags);
        struct stat own = {};
        if (fd < 0 || ::fstat(fd, &own) != 0) {
            unreadable(folder, errno);
            if (fd >= 0)
                ::close(fd);
            return true;
        }
        const bool devices = own.st_dev == m_deviceFiles && !m_top;
        m_top = false;
        if (!m_visited.insert({own.st_dev, own.st_ino}).second || devices ||
            isPseudoFileSystem(fd)) {
            ::close(fd);
            return true;
        }
        // One buffer for each depth, kept for the folders after this one.
        if (m_buffers.size() <= m_depth)
            m_buffers.push_back(std::make_unique_for_overwrite<char[]>(kBufferSize));
        FolderEntries entries(fd, m_buffers[m_depth].get(), kBufferSize);
        ++m_depth;
        const bool goOn = walkEntries(entries, fd, folder);
        --m_depth;
        ::close(fd);
        return goOn;
    }

private:
    static constexpr size_t kBufferSize = 32 * 1024;

    bool walkEntries(FolderEntries &entries, int fd, const QByteArray &folder)
    {
        QByteArray child = folder;
        if (!child.endsWith('/'))
            child.append('/');
        const qsizetype base = child.size();
        // Decoded once, on the first recording: the folder as it starts each path, and as the
        // recordings' own folder.
        QString prefixText, folderText;
        bool folderNamed = true;

        while (const struct dirent64 *entry = entries.next()) {
            const char *name = entry->d_name;
            if (isDotOrDotDot(name))
                continue;

            unsigned char type = entry->d_type;
            if (type == DT_LNK || type == DT_UNKNOWN) {
                // Relative to the open folder: no path to build for it.
                struct stat target = {};
                type = ::fstatat(fd, name, &target, 0) != 0 ? DT_UNKNOWN
                       : S_ISDIR(target.st_mode)            ? DT_DIR
                       : S_ISREG(target.st_mode)            ? DT_REG
                                                            : DT_UNKNOWN;
            }
            if (type == DT_DIR) {
                // Our own unfinished evidence: a cut copy there is no recording of the card.
                if (isPartialFolderName(name))
                    continue;
                child.truncate(base);
                child.append(name);
                if (!walk(child, fd, name))
                    return false;
                continue;
            }
            if (type != DT_REG)
                continue;
            const QByteArrayView bytes(name, qsizetype(std::strlen(name)));
            const char *dot = aviDot(name, size_t(bytes.size()));
            if (!dot)
                continue;
            if (prefixText.isNull()) {
                const QByteArrayView prefix(child.constData(), base);
                folderNamed = prefix.isValidUtf8();
                prefixText = QString::fromUtf8(prefix);
                folderText = base == 1 ? prefixText : prefixText.left(prefixText.size() - 1);
            }
            std::optional<MediaFile> media;
            if (!folderNamed) {
                unnamed(child, base, bytes);
                continue;
            } else if (isAscii(bytes)) {
                // A camera's name: its length in bytes is its length in characters, and it is
                // split and checked here before anything is allocated for it.
                const qsizetype stem = dot - name;
                if (!hasRecordingNameLength(stem) || name[stem - 2] != '_' ||
                    (name[stem - 1] != 'F' && name[stem - 1] != 'R'))
                    continue;
                static const QString avi = recordingExtension(u"avi");
                media.emplace(
                    joinedAscii(prefixText, bytes), folderText, QString::fromLatin1(name, stem),
                    std::strcmp(dot + 1, "avi") == 0 ? avi : QString::fromLatin1(dot + 1));
            } else if (!bytes.isValidUtf8()) {
                unnamed(child, base, bytes);
                continue;
            } else {
                media = createMediaByPath(prefixText + QString::fromUtf8(bytes), folderText);
            }
            if (media) {
                m_medias.append(std::move(*media));
                if (m_medias.size() >= kMaxCatalogueEntries) {
                    // This folder stops here; the folders above go on, each again
                    // stopping after its next addition.
                    if (holdsMore(entries))
                        m_report.stoppedAtLimit = true;
                    return true;
                }
            }
        }
        return true;
    }

    void unnamed(QByteArray &child, qsizetype base, QByteArrayView name)
    {
        child.truncate(base);
        child.append(name);
        m_report.unnamedRecordings.append(QFile::decodeName(child));
    }

    // Whether the rest of a folder cut short holds a recording or a folder that may hold one.
    static bool holdsMore(FolderEntries &entries)
    {
        while (const struct dirent64 *entry = entries.next()) {
            const char *name = entry->d_name;
            if (isDotOrDotDot(name))
                continue;
            if (entry->d_type == DT_DIR || entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN)
                return true;
            if (entry->d_type == DT_REG && hasAviExtension(name) &&
                createMediaByPath(QFile::decodeName(name)))
                return true;
        }
        return false;
    }

    void unreadable(const QByteArray &folder, int error)
    {
        m_report.unreadableFolders.append(
            tvk::Failure{QT_TRID_NOOP("msg.folder_unreadable"), QFile::decodeName(folder),
                         QString::fromLocal8Bit(std::strerror(error))});
    }

    QList<MediaFile> &m_medias;
    WalkReport &m_report;
    const std::atomic<bool> *m_cancel;
    std::set<std::pair<dev_t, ino_t>> m_visited;
    std::vector<std::unique_ptr<char[]>> m_buffers;
    size_t m_depth = 0;
    const dev_t m_deviceFiles = deviceFilesDevice();
    bool m_top = true; // the folder the user named is walked even on /dev
};

} // namespace

Walk walkFolder(const QString &folder, const std::atomic<bool> *cancel)
{
    Walk walk;
    FolderWalk(walk, cancel).walk(QFile::encodeName(folder));
    return walk;
}

QStringList walkReportLines(const WalkReport &report, const QString &folder)
{
    QStringList lines;
    for (const tvk::Failure &failure : report.unreadableFolders)
        lines.append(failure.text());
    if (report.stoppedAtLimit)
        lines.append(folder + QStringLiteral(": ") +
                     tvk::textFmt("msg.catalogue_limit_fmt", kMaxCatalogueEntries));
    for (const QString &path : report.unnamedRecordings)
        lines.append(path + QStringLiteral(": ") + tvk::text("msg.name_not_utf8"));
    return lines;
}
