#include "platform/AtomicFile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

TWriteFaultHook& FaultHook()
{
    static TWriteFaultHook hook;
    return hook;
}

QString SystemError(int err)
{
    return QString::fromLocal8Bit(std::strerror(err));
}

} // namespace

void SetWriteFaultHook(TWriteFaultHook hook)
{
    FaultHook() = std::move(hook);
}

TWriteResult WriteFileAtomically(const QString& path, const QByteArray& data)
{
    TWriteResult result;
    const QFileInfo info(path);
    const QString dir = info.absolutePath();
    // The temporary name starts with a dot and ends in ".tmp", so folder
    // listings that look for the target's extension never show it.
    QByteArray tmpl = QFile::encodeName(dir + "/." + info.fileName() + ".XXXXXX.tmp");
    const int fd = mkstemps(tmpl.data(), 4);
    if (fd < 0) {
        result.error = SystemError(errno);
        return result;
    }
    auto fail = [&](int err) {
        ::close(fd);
        ::unlink(tmpl.constData());
        result.error = SystemError(err);
        return result;
    };

    // Keep the permissions of the file being replaced; new files get the
    // usual 0666 filtered by the umask.
    struct stat old;
    if (::stat(QFile::encodeName(path).constData(), &old) == 0) {
        ::fchmod(fd, old.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }

    qint64 offset = 0;
    while (offset < data.size()) {
        const qint64 chunk = std::min<qint64>(data.size() - offset, 1 << 20);
        if (FaultHook() && !FaultHook()(path, offset, chunk))
            return fail(ENOSPC);
        const ssize_t n = ::write(fd, data.constData() + offset, size_t(chunk));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        offset += n;
    }
    if (::fsync(fd) != 0)
        return fail(errno);
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(tmpl.constData());
        result.error = SystemError(err);
        return result;
    }
    if (::rename(tmpl.constData(), QFile::encodeName(path).constData()) != 0) {
        const int err = errno;
        ::unlink(tmpl.constData());
        result.error = SystemError(err);
        return result;
    }
    // Make the rename itself durable.
    const int dfd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    result.ok = true;
    return result;
}
