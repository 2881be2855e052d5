// Files that are not what their names promise, for the tests of the readers
// and of the windows that list and open files.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <cstring>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

inline void WriteFile(const QString& path, const QByteArray& content)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(content);
}

// Puts every kind of non-regular file into `folder` under `<kind><suffix>`.
// The socket stays bound while the returned descriptor is open.
inline int PlantSpecialFiles(const QString& folder, const QString& suffix)
{
    const auto at = [&](const char* kind) { return QFile::encodeName(folder + '/' + kind + suffix); };
    EXPECT_EQ(::symlink("/dev/zero", at("Zero").constData()), 0);
    EXPECT_EQ(::mkfifo(at("Fifo").constData(), 0600), 0);
    EXPECT_EQ(::symlink(at("Fifo").constData(), at("FifoLink").constData()), 0);
    EXPECT_TRUE(QDir().mkpath(folder + "/Folder" + suffix));
    EXPECT_EQ(::symlink("/nonexistent/target", at("Dangling").constData()), 0);
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const QByteArray path = at("Socket");
    if (path.size() < qsizetype(sizeof addr.sun_path)) {
        std::memcpy(addr.sun_path, path.constData(), std::size_t(path.size()));
        EXPECT_EQ(::bind(sock, reinterpret_cast<const sockaddr*>(&addr), sizeof addr), 0);
    }
    return sock;
}
