#include "app/SingleInstance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

const QByteArray kGrab = "grab\n";
const QByteArray kTaken = "ok\n";
// Longest line a peer may send.
constexpr qsizetype kMaxLine = 64;

// Closes its descriptor when it goes.
struct TFd {
    int fd = -1;
    ~TFd()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

bool AddressOf(const QString& path, sockaddr_un& addr)
{
    const QByteArray native = QFile::encodeName(path);
    std::memset(&addr, 0, sizeof addr);
    addr.sun_family = AF_UNIX;
    if (native.isEmpty() || native.size() >= qsizetype(sizeof addr.sun_path))
        return false;
    std::memcpy(addr.sun_path, native.constData(), std::size_t(native.size()));
    return true;
}

// A non-blocking socket connected to the program listening at `path`, or -1
// when nobody listens there. A listener whose queue is full is asked again
// until the time is up.
int ConnectTo(const QString& path, int timeoutMs)
{
    sockaddr_un addr;
    if (!AddressOf(path, addr))
        return -1;
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (fd < 0)
            return -1;
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) == 0)
            return fd;
        const int error = errno;
        ::close(fd);
        if ((error != EAGAIN && error != EINTR) || clock.elapsed() >= timeoutMs)
            return -1;
        ::usleep(5000);
    }
}

// Holds an exclusive lock on a file beside the socket while it lives, so that
// two starts at the same moment take turns. The kernel lets go of it when
// the process ends, however it ends; the file is removed on the way out.
// (Nothing is flushed to disk: the lock lives in the runtime folder, and
// only as long as the start.)
class TStartLock {
public:
    TStartLock(const QString& path, int timeoutMs)
        : path_(QFile::encodeName(path))
    {
        QElapsedTimer clock;
        clock.start();
        for (;;) {
            fd_ = ::open(path_.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
            if (fd_ < 0)
                return; // a folder we may not write in: go on without the lock
            bool tryAgain = false;
            if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
                // The holder before may have removed the file between our
                // open and our lock: then this lock guards nothing.
                struct stat held, named;
                if (::fstat(fd_, &held) == 0 && ::stat(path_.constData(), &named) == 0 && held.st_dev == named.st_dev
                    && held.st_ino == named.st_ino)
                    return;
                tryAgain = true;
            } else {
                tryAgain = errno == EWOULDBLOCK || errno == EINTR;
            }
            ::close(fd_);
            fd_ = -1;
            if (!tryAgain || clock.elapsed() >= timeoutMs)
                return;
            ::usleep(5000);
        }
    }
    ~TStartLock()
    {
        if (fd_ < 0)
            return;
        ::unlink(path_.constData());
        ::close(fd_);
    }

private:
    QByteArray path_;
    int fd_ = -1;
};

// Waits until `fd` is ready for `events` (or hung up), within the time left.
bool WaitFor(int fd, short events, const QElapsedTimer& clock, int timeoutMs)
{
    for (;;) {
        const qint64 left = timeoutMs - clock.elapsed();
        if (left <= 0)
            return false;
        pollfd ready{fd, events, 0};
        const int n = ::poll(&ready, 1, int(left));
        if (n > 0)
            return true;
        if (n == 0 || errno != EINTR)
            return false;
    }
}

bool WouldBlock()
{
    return errno == EAGAIN || errno == EWOULDBLOCK;
}

// One program that asked: its line is read as it comes, answered, and the
// connection closed.
class TPeer final : public QObject {
public:
    TPeer(int fd, QObject* parent, std::function<void()> grabAsked)
        : QObject(parent)
        , fd_(fd)
        , grabAsked_(std::move(grabAsked))
        , notifier_(new QSocketNotifier(fd, QSocketNotifier::Read, this))
    {
        connect(notifier_, &QSocketNotifier::activated, this, [this] { readSome(); });
        // A peer that says nothing useful in time is dropped.
        QTimer::singleShot(3000, this, [this] { drop(); });
    }
    ~TPeer() override { ::close(fd_); }

private:
    void readSome()
    {
        char buffer[kMaxLine + 1];
        while (!line_.contains('\n') && line_.size() <= kMaxLine) {
            const ssize_t n = ::recv(fd_, buffer, sizeof buffer, 0);
            if (n > 0) {
                line_.append(buffer, qsizetype(n));
                continue;
            }
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0 && WouldBlock())
                return; // the rest comes later
            drop(); // hung up, or failed
            return;
        }
        const qsizetype end = line_.indexOf('\n');
        if (end >= 0 && line_.left(end + 1) == kGrab) {
            ::send(fd_, kTaken.constData(), std::size_t(kTaken.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
            grabAsked_();
        }
        drop();
    }
    void drop()
    {
        notifier_->setEnabled(false);
        deleteLater();
    }

    int fd_;
    std::function<void()> grabAsked_;
    QSocketNotifier* notifier_;
    QByteArray line_;
};

} // namespace

TSingleInstance::TSingleInstance(QObject* parent)
    : QObject(parent)
{
}

TSingleInstance::~TSingleInstance()
{
    if (listenFd_ < 0)
        return;
    delete notifier_; // before its descriptor closes
    ::close(listenFd_);
    QFile::remove(path_);
}

QString TSingleInstance::SocketPath()
{
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty())
        display = qEnvironmentVariable("DISPLAY");
    QString name;
    for (QChar c : display)
        name += c.isLetterOrNumber() || c == QLatin1Char('-') ? c : QLatin1Char('_');
    return QDir(folder).filePath(QStringLiteral("tintwell-%1.socket").arg(name.isEmpty() ? QStringLiteral("0") : name));
}

bool TSingleInstance::claimed() const
{
    return listenFd_ >= 0;
}

bool TSingleInstance::claim()
{
    if (claimed())
        return true;
    const QString path = SocketPath();
    sockaddr_un addr;
    if (!AddressOf(path, addr))
        return false;
    // Two starts at the same moment take turns here.
    const TStartLock lock(path + QStringLiteral(".lock"), 3000);
    // Someone answers there already, or a program that ended left its socket.
    // (Binding would fail on the file, and removing a live socket would hide
    // its program: ask first.)
    {
        const TFd probe{ConnectTo(path, 1000)};
        if (probe.fd >= 0)
            return false;
    }
    QFile::remove(path);
    TFd server{::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0)};
    if (server.fd < 0)
        return false;
    if (::bind(server.fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0)
        return false; // another start took it meanwhile
    if (::listen(server.fd, 50) != 0) {
        QFile::remove(path);
        return false;
    }
    listenFd_ = server.fd;
    server.fd = -1;
    path_ = path;
    notifier_ = new QSocketNotifier(listenFd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TSingleInstance::serve);
    return true;
}

void TSingleInstance::serve()
{
    for (;;) {
        const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            if (errno == EINTR)
                continue;
            return; // all taken
        }
        new TPeer(fd, this, [this] {
            QTimer::singleShot(0, this, [this] {
                if (onGrab)
                    onGrab();
            });
        });
    }
}

bool TSingleInstance::askToGrab(int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    const TFd socket{ConnectTo(SocketPath(), timeoutMs)};
    if (socket.fd < 0)
        return false;
    for (qsizetype sent = 0; sent < kGrab.size();) {
        const ssize_t n = ::send(socket.fd, kGrab.constData() + sent, std::size_t(kGrab.size() - sent), MSG_NOSIGNAL);
        if (n > 0)
            sent += n;
        else if (!(n < 0 && (errno == EINTR || (WouldBlock() && WaitFor(socket.fd, POLLOUT, clock, timeoutMs)))))
            return false;
    }
    QByteArray answer;
    while (!answer.contains('\n')) {
        if (answer.size() > kMaxLine)
            return false;
        char buffer[kMaxLine];
        const ssize_t n = ::recv(socket.fd, buffer, sizeof buffer, 0);
        if (n > 0)
            answer.append(buffer, qsizetype(n));
        else if (!(n < 0 && (errno == EINTR || (WouldBlock() && WaitFor(socket.fd, POLLIN, clock, timeoutMs)))))
            return false; // hung up, failed or timed out
    }
    return answer.left(answer.indexOf('\n') + 1) == kTaken;
}

TStartMode ParseStartArguments(int argc, char** argv)
{
    if (argc <= 1)
        return TStartMode::Normal;
    if (argc == 2 && std::strcmp(argv[1], "--grab") == 0)
        return TStartMode::Grab;
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0))
        return TStartMode::Help;
    return TStartMode::Usage;
}

const char* UsageText()
{
    return "Usage: tintwell [--grab]\n"
           "  --grab   open the zoom window to grab colors from the screen (in the running\n"
           "           Tintwell, or in a new one when none is running)\n";
}
