#include "app/SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QTimer>

#include <cstring>

namespace {

const QByteArray kGrab = "grab\n";
const QByteArray kTaken = "ok\n";

} // namespace

TSingleInstance::TSingleInstance(QObject* parent)
    : QObject(parent)
{
}

TSingleInstance::~TSingleInstance()
{
    if (server_)
        server_->close(); // removes the socket file
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
    return server_ && server_->isListening();
}

bool TSingleInstance::claim()
{
    if (claimed())
        return true;
    const QString path = SocketPath();
    // Two starts at the same moment take turns here.
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.tryLock(3000);
    // Someone answers there already, or a program that ended left its socket.
    // (Listening would silently replace a live socket: ask first.)
    {
        QLocalSocket probe;
        probe.connectToServer(path);
        if (probe.waitForConnected(1000)) {
            probe.abort();
            return false;
        }
    }
    QLocalServer::removeServer(path);
    auto* server = new QLocalServer(this);
    if (!server->listen(path)) {
        delete server; // another start took it meanwhile
        return false;
    }
    server_ = server;
    connect(server_, &QLocalServer::newConnection, this, &TSingleInstance::serve);
    return true;
}

void TSingleInstance::serve()
{
    while (QLocalSocket* peer = server_->nextPendingConnection()) {
        connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        // A peer that says nothing useful in time is dropped.
        QTimer::singleShot(3000, peer, [peer] { peer->abort(); });
        connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
            if (!peer->canReadLine()) {
                if (peer->bytesAvailable() > 64)
                    peer->abort();
                return;
            }
            const QByteArray line = peer->readLine(64);
            if (line == kGrab) {
                peer->write(kTaken);
                peer->flush();
                QTimer::singleShot(0, this, [this] {
                    if (onGrab)
                        onGrab();
                });
            }
            peer->disconnectFromServer();
        });
    }
}

bool TSingleInstance::askToGrab(int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(SocketPath());
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(kGrab);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    while (!socket.canReadLine())
        if (!socket.waitForReadyRead(timeoutMs))
            return false;
    return socket.readLine(64) == kTaken;
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
