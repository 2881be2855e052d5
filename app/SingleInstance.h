// One Tintwell per desktop session can be asked to do things from outside:
// `tintwell --grab` opens the zoom window of the running program instead of
// starting a second one. The running program listens on a local socket in
// the user's runtime folder, named after the display. The socket is a plain
// Unix stream socket watched by the event loop, so no networking library
// is loaded at start.
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QSocketNotifier;

class TSingleInstance : public QObject {
    Q_OBJECT
public:
    explicit TSingleInstance(QObject* parent = nullptr);
    ~TSingleInstance() override;

    // The socket of this session: $XDG_RUNTIME_DIR/tintwell-<display>.socket.
    static QString SocketPath();

    // Becomes the program that others ask. False when another running
    // program is that already. A socket left behind by a program that ended
    // is taken over.
    bool claim();
    bool claimed() const;

    // Asks the running program to open its zoom window; true once it has
    // taken the request.
    static bool askToGrab(int timeoutMs = 3000);

    // Called (from the event loop) when another start asks for a grab.
    std::function<void()> onGrab;

private:
    void serve();
    int listenFd_ = -1;
    QString path_;
    QSocketNotifier* notifier_ = nullptr;
};

// What the command line asks for.
enum class TStartMode { Normal, Grab, Help, Usage };
TStartMode ParseStartArguments(int argc, char** argv);
// The short usage text, for --help and for arguments we do not know.
const char* UsageText();
