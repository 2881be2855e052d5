#include "platform/AtomicFile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <csignal>
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

// Temporary files are named ".<target>.<pid>.tmp": hidden, with an extension
// no folder listing of ours looks for, and owned by a process we can ask
// about. One left by a process that died mid-write is removed by the next
// write of the same file.
static void RemoveStaleTemporaries(const QString& dir, const QString& fileName)
{
    const QString prefix = "." + fileName + ".";
    const QStringList leftovers = QDir(dir).entryList({prefix + "*.tmp"}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : leftovers) {
        bool ok = false;
        const QString middle = name.mid(prefix.size(), name.size() - prefix.size() - 4);
        const pid_t pid = pid_t(middle.toLong(&ok));
        if (!ok || pid <= 0)
            continue;
        if (::kill(pid, 0) != 0 && errno == ESRCH)
            ::unlink(QFile::encodeName(dir + "/" + name).constData());
    }
}

TWriteResult WriteFileAtomically(const QString& path, const QByteArray& data)
{
    TWriteResult result;
    const QFileInfo info(path);
    const QString dir = info.absolutePath();
    RemoveStaleTemporaries(dir, info.fileName());
    const QByteArray tmp = QFile::encodeName(dir + "/." + info.fileName() + "." + QString::number(::getpid()) + ".tmp");
    ::unlink(tmp.constData());
    const int fd = ::open(tmp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        result.error = SystemError(errno);
        return result;
    }
    auto fail = [&](int err) {
        ::close(fd);
        ::unlink(tmp.constData());
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
        ::unlink(tmp.constData());
        result.error = SystemError(err);
        return result;
    }
    if (::rename(tmp.constData(), QFile::encodeName(path).constData()) != 0) {
        const int err = errno;
        ::unlink(tmp.constData());
        result.error = SystemError(err);
        return result;
    }
    // Make the rename itself durable.
    const int dfd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    result.ok = true;
    return result;
}
