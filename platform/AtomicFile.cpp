#include "platform/AtomicFile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
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

QByteArray Encoded(const QString& path)
{
    return QFile::encodeName(path);
}

bool AllDigits(const QByteArray& text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Temporary files are named ".tw-<pid>-<n>.tmp": short whatever the target's
// name (so any name the file system takes can be saved), hidden, with an
// extension no folder listing of ours looks for, and owned by a process we
// can ask about. Writers before this one used ".<target>.<pid>.tmp".
bool IsOurTemporary(const QByteArray& name, const QByteArray& target, pid_t& pid)
{
    if (!name.endsWith(".tmp"))
        return false;
    QByteArray middle;
    if (name.startsWith(".tw-")) {
        middle = name.mid(4, name.size() - 8);
        const qsizetype dash = middle.indexOf('-');
        if (dash < 0 || !AllDigits(middle.mid(dash + 1)))
            return false;
        middle.truncate(dash);
    } else {
        const QByteArray prefix = "." + target + ".";
        if (!name.startsWith(prefix))
            return false;
        middle = name.mid(prefix.size(), name.size() - prefix.size() - 4);
    }
    if (!AllDigits(middle) || middle.size() > 9)
        return false;
    pid = pid_t(middle.toLong());
    return pid > 0;
}

// Removes the temporaries that writers killed mid-write left in `dir`.
// Only plain files of processes that no longer exist are touched.
void RemoveStaleTemporaries(const QByteArray& dir, const QByteArray& target)
{
    DIR* d = ::opendir(dir.constData());
    if (!d)
        return;
    const int dfd = ::dirfd(d);
    while (const dirent* entry = ::readdir(d)) {
        const QByteArray name(entry->d_name);
        pid_t pid = 0;
        if (!IsOurTemporary(name, target, pid))
            continue;
        struct stat st;
        if (::fstatat(dfd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode))
            continue;
        if (::kill(pid, 0) != 0 && errno == ESRCH)
            ::unlinkat(dfd, name.constData(), 0);
    }
    ::closedir(d);
}

// Opens a new temporary beside the target. Whatever already sits at a
// name (a file of a live writer, a folder, a link) is left alone and the
// next name is tried.
int CreateTemporary(const QString& dir, QByteArray& tmp, int& err)
{
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        tmp = Encoded(dir) + "/.tw-" + QByteArray::number(::getpid()) + "-" + QByteArray::number(counter++) + ".tmp";
        const int fd = ::open(tmp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0)
            return fd;
        err = errno;
        if (err != EEXIST)
            return -1;
    }
    return -1;
}

} // namespace

void SetWriteFaultHook(TWriteFaultHook hook)
{
    FaultHook() = std::move(hook);
}

QString ResolveWriteTarget(const QString& path, QString* error)
{
    QString current = QFileInfo(path).absoluteFilePath();
    for (int hops = 0; hops < 40; ++hops) {
        const QByteArray encoded = Encoded(current);
        struct stat st;
        if (::lstat(encoded.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return current;
        char buffer[PATH_MAX];
        const ssize_t n = ::readlink(encoded.constData(), buffer, sizeof buffer);
        if (n < 0 || n == ssize_t(sizeof buffer))
            return current; // let the write itself report it
        const QString link = QFile::decodeName(QByteArray(buffer, n));
        // Joined by hand: cleaning ".." here would be wrong after a linked folder.
        current = link.startsWith('/') ? link : current.left(current.lastIndexOf('/') + 1) + link;
    }
    if (error)
        *error = SystemError(ELOOP);
    return {};
}

TWriteResult WriteFileAtomically(const QString& path, const QByteArray& data)
{
    TWriteResult result;
    const QString target = ResolveWriteTarget(path, &result.error);
    if (target.isEmpty())
        return result;
    const qsizetype slash = target.lastIndexOf('/');
    const QString dir = slash == 0 ? QStringLiteral("/") : target.left(slash);
    const QString fileName = target.mid(slash + 1);
    const QByteArray encodedTarget = Encoded(target);

    // Never replace a file the user may not write: a file without any write
    // bit counts as read-only even for a user the system would let through.
    struct stat old;
    const bool replacing = ::stat(encodedTarget.constData(), &old) == 0;
    if (replacing && S_ISREG(old.st_mode)) {
        if ((old.st_mode & 0222) == 0) {
            result.error = SystemError(EACCES);
            return result;
        }
        if (::access(encodedTarget.constData(), W_OK) != 0) {
            result.error = SystemError(errno);
            return result;
        }
    }

    RemoveStaleTemporaries(Encoded(dir), Encoded(fileName));
    QByteArray tmp;
    int openError = 0;
    const int fd = CreateTemporary(dir, tmp, openError);
    if (fd < 0) {
        result.error = SystemError(openError);
        return result;
    }
    auto fail = [&](int err) {
        ::close(fd);
        ::unlink(tmp.constData());
        result.error = SystemError(err);
        return result;
    };

    // Keep the owner and the permissions of the file being replaced (as far
    // as this user may); new files get the usual 0666 filtered by the umask.
    if (replacing) {
        // Failing that, the new file is simply ours.
        if ((old.st_uid != ::geteuid() || old.st_gid != ::getegid()) && ::fchown(fd, old.st_uid, old.st_gid) != 0)
            errno = 0;
        ::fchmod(fd, old.st_mode & 0777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }

    qint64 offset = 0;
    while (offset < data.size()) {
        const qint64 chunk = std::min<qint64>(data.size() - offset, 1 << 20);
        if (FaultHook() && !FaultHook()(target, offset, chunk))
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
    if (::rename(tmp.constData(), encodedTarget.constData()) != 0) {
        const int err = errno;
        ::unlink(tmp.constData());
        result.error = SystemError(err);
        return result;
    }
    // Make the rename itself durable.
    const int dfd = ::open(Encoded(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    result.ok = true;
    return result;
}
