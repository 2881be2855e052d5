// Swatch library files written by the tests.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

inline void WriteFile(const QString& path, const QByteArray& content)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(content);
}

// `count` distinct colours in library file form.
inline QByteArray LibraryText(int count, int base = 0)
{
    QByteArray out;
    for (int i = 0; i < count; ++i)
        out += QByteArray::number((base + i) % 256) + "\t" + QByteArray::number(i % 7) + "\t" + QByteArray::number(200)
            + "\r\n";
    return out;
}
