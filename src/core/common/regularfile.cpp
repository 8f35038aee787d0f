#include "core/common/regularfile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tvk {

Result<void> openRegularFile(QFile &file, QIODevice::OpenMode mode)
{
    const QString path = file.fileName();
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return Failure{QT_TRID_NOOP("msg.file_read_fail"), path,
                       QString::fromLocal8Bit(std::strerror(errno))};
    struct stat info = {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return Failure{QT_TRID_NOOP("msg.input_not_regular_file"), path};
    }
    // Reads of a regular file never wait on O_NONBLOCK's account; cleared all the same.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, mode | QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Failure{QT_TRID_NOOP("msg.file_read_fail"), path, file.errorString()};
    }
    return {};
}

} // namespace tvk
