#include "directorywalk.h"

#include <QFile>

#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

bool checkTimeByName(const QString &name, qint64 startPos)
{
    return name.size() >= startPos + 15;
}

std::optional<TVKMedia> createMediaByPath(const QString &path)
{
    QString name, extension;
    splitFileName(path, &name, &extension);
    if (!hasRecordingNameLength(name.size()))
        return std::nullopt;
    if (name.startsWith(QLatin1String("alwa_"))) {
        if (!checkTimeByName(name, 5))
            return std::nullopt;
    } else if (name.startsWith(QLatin1String("motion_"))) {
        if (!checkTimeByName(name, 7))
            return std::nullopt;
    } else if (name.startsWith(QLatin1String("event_"))) {
        if (!checkTimeByName(name, 6))
            return std::nullopt;
    }
    if (!name.endsWith(QLatin1String("_F")) && !name.endsWith(QLatin1String("_R")))
        return std::nullopt;
    return TVKMedia(path);
}

namespace {

struct FolderId
{
    dev_t device;
    ino_t inode;
};

bool hasAviExtension(const char *name)
{
    const char *dot = std::strrchr(name, '.');
    return dot && dot != name && strcasecmp(dot + 1, "avi") == 0;
}

// Walks with byte paths and the directory entry types, so that a card of thousands of
// files costs one directory read per folder and a stat only for links and unknown types.
void walkFolder(const QByteArray &folder, QList<TVKMedia> &medias, std::vector<FolderId> &trail)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat own;
    if (::fstat(fd, &own) != 0) {
        ::close(fd);
        return;
    }
    for (const FolderId &id : trail) {
        if (id.device == own.st_dev && id.inode == own.st_ino) {
            ::close(fd);
            return; // a link leads back to a folder the walk is already inside
        }
    }
    DIR *dir = ::fdopendir(fd);
    if (!dir) {
        ::close(fd);
        return;
    }
    trail.push_back({own.st_dev, own.st_ino});

    QByteArray child = folder;
    if (!child.endsWith('/'))
        child.append('/');
    const qsizetype base = child.size();
    while (const dirent *entry = ::readdir(dir)) {
        const char *name = entry->d_name;
        if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')))
            continue;
        child.truncate(base);
        child.append(name);

        bool isFolder = entry->d_type == DT_DIR;
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat target;
            isFolder = ::stat(child.constData(), &target) == 0 && S_ISDIR(target.st_mode);
        }
        if (isFolder) {
            walkFolder(child, medias, trail);
        } else if (hasAviExtension(name)) {
            if (auto media = createMediaByPath(QFile::decodeName(child))) {
                medias.append(std::move(*media));
                if (medias.size() >= kMaxCatalogueEntries)
                    break;
            }
        }
    }
    trail.pop_back();
    ::closedir(dir);
}

} // namespace

void eachDir(const QString &folder, QList<TVKMedia> &medias)
{
    std::vector<FolderId> trail;
    walkFolder(QFile::encodeName(folder), medias, trail);
}
