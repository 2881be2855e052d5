// Reading a whole file that the user or another program may have replaced by
// anything: a device, a named pipe, a socket, a folder, or a file that keeps
// growing. Only regular files are read, the open never blocks, and no more
// than the limit (plus one byte, to tell "too large") is ever read.
#pragma once

#include <QByteArray>
#include <QString>

struct TRegularFileRead {
    enum TStatus { Ok, OpenFailed, NotRegular, TooLarge, ReadFailed };
    TStatus status = Ok;
    QByteArray data; // the whole file when Ok
    qint64 size = 0; // bytes seen: the file's size, or more than the limit
    QString error; // the system's reason for OpenFailed and ReadFailed

    bool ok() const { return status == Ok; }
};

// Reads the file at `path` whole when it is a regular file (a symbolic link
// is followed) of at most `limit` bytes.
TRegularFileRead ReadRegularFile(const QString& path, qint64 limit);

// The sentence for a failed read, to follow "Cannot read file "...". ";
// `what` names the kind of file for the size message ("a palette").
QString RegularFileReadError(const TRegularFileRead& read, qint64 limit, const QString& what);

// True when `path` names a regular file (a symbolic link is followed).
bool IsRegularFile(const QString& path);
