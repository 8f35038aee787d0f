#include "core/catalogue/recordingfile.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <set>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

bool isPseudoFileSystem(int fd)
{
    static const std::set<decltype(statfs::f_type)> pseudo{
        0x9fa0,     // proc
        0x62656572, // sysfs
        0x27e0eb,   // cgroup
        0x63677270, // cgroup2
        0x64626720, // debugfs
        0x74726163, // tracefs
        0x73636673, // securityfs
        0x62656570, // configfs
        0x1cd1,     // devpts
        0xcafe4a11, // bpf
        0x6165676c, // pstore
        0x65735543, // fusectl
    };
    struct statfs info = {};
    return ::fstatfs(fd, &info) == 0 && pseudo.count(info.f_type) > 0;
}

tvk::Result<void> checkRecordingFile(const QString &path)
{
    // O_NONBLOCK: a pipe at the path must not hold us in open() waiting for a writer.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return tvk::Failure{QT_TRID_NOOP("msg.file_read_fail"), path,
                            QString::fromLocal8Bit(std::strerror(errno))};
    struct stat info = {};
    const char *problem = nullptr;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        problem = QT_TRID_NOOP("msg.input_not_regular_file");
    else if (isPseudoFileSystem(fd))
        problem = QT_TRID_NOOP("msg.pseudo_file_system");
    char head[12] = {};
    if (!problem && (::pread(fd, head, sizeof head, 0) != ssize_t(sizeof head) ||
                     std::memcmp(head, "RIFF", 4) != 0 || std::memcmp(head + 8, "AVI ", 4) != 0))
        problem = QT_TRID_NOOP("msg.not_an_avi_recording");
    ::close(fd);
    if (problem)
        return tvk::Failure{problem, path};
    return {};
}
