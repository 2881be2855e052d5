// Saves survive the process being killed at any moment and a full disk:
// the file on disk is always the complete old or the complete new content,
// and nothing the palette list would show is left behind.
#include "app/TmRegistry.h"
#include "palette/PaletteModel.h"
#include "platform/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

QByteArray Content(int count, int value)
{
    return SwatchFile::Serialize(std::vector<TSwatch>(size_t(count), TSwatch{value, value, value, 0, 0}));
}

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return "<missing>";
    return f.readAll();
}

TEST(CrashSafety, KilledWhileSavingLeavesOldOrNewContent)
{
    QTemporaryDir dir;
    const QByteArray contentA = Content(1000, 1);
    const QByteArray contentB = Content(3000, 200);
    const QString palette = dir.path() + "/P.dat";
    QRandomGenerator rng(20261210);
    int killedMidWrite = 0;

    for (int round = 0; round < 200; ++round) {
        QProcess child;
        child.setProgram(QStringLiteral(TINTWELL_SAVE_LOOP));
        child.setArguments({"loop", dir.path()});
        child.start();
        ASSERT_TRUE(child.waitForStarted(5000));
        // Once it is saving in its loop, kill it at a random moment.
        ASSERT_TRUE(child.waitForReadyRead(20000));
        std::this_thread::sleep_for(std::chrono::microseconds(rng.bounded(30000)));
        ::kill(pid_t(child.processId()), SIGKILL);
        ASSERT_TRUE(child.waitForFinished(5000));

        const QByteArray onDisk = ReadAll(palette);
        ASSERT_TRUE(onDisk == contentA || onDisk == contentB) << "round " << round << ": " << onDisk.size() << " bytes";

        TmRegistry store;
        store.StoreFolder = dir.path() + "/store";
        store.Key = QStringLiteral("\\software\\tintwell\\");
        QStringList values;
        store.ReadValues(values);
        if (values != QStringList{QString()}) {
            ASSERT_EQ(values.size(), 2) << "round " << round;
            ASSERT_TRUE((values[0] == "A" && values[1] == QString(4000, 'a'))
                        || (values[0] == "B" && values[1] == QString(4000, 'b')))
                << "round " << round;
        }

        // Only the palette is listed; at most the one temporary of the last
        // killed writer is left, hidden, until the next save removes it.
        TPaletteModel model;
        model.PaletteFolder = dir.path();
        ASSERT_EQ(model.ListPaletteFiles(), QStringList{"P"});
        const QStringList temporaries = QDir(dir.path()).entryList({".tw-*.tmp"}, QDir::Files | QDir::Hidden);
        ASSERT_LE(temporaries.size(), 1) << "round " << round;
        killedMidWrite += int(temporaries.size());
    }
    // The kills must really have landed inside writes now and then.
    EXPECT_GT(killedMidWrite, 0);
}

// A small file system that fills up: the write fails with the system's
// reason, the old file stays as it was, and no temporary is left.
TEST(CrashSafety, FullDiskKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString mount = dir.path() + "/small";
    QDir().mkpath(mount);
    // A private mount namespace lets an unprivileged user mount a 64 KiB tmpfs.
    const QString script =
        QStringLiteral("set -e; mount -t tmpfs -o size=64k tmpfs '%1';"
                       "'%2' once '%1' 100 >/dev/null;" // the old palette: fits
                       "cp '%1/P.dat' '%1/../before.dat';"
                       "'%2' once '%1' 20000 >'%1/../message' || echo failed >'%1/../status';" // ~240 KB: does not fit
                       "cp '%1/P.dat' '%1/../after.dat';"
                       "ls -A '%1' >'%1/../listing'")
            .arg(mount, QStringLiteral(TINTWELL_SAVE_LOOP));
    QProcess sh;
    sh.start("unshare", {"-rm", "sh", "-c", script});
    if (!sh.waitForFinished(20000) || sh.exitCode() != 0)
        GTEST_SKIP() << "cannot mount a small file system here: " << sh.readAllStandardError().toStdString();

    EXPECT_EQ(ReadAll(dir.path() + "/status"), "failed\n");
    EXPECT_TRUE(ReadAll(dir.path() + "/message").contains("No space left on device"));
    EXPECT_EQ(ReadAll(dir.path() + "/after.dat"), ReadAll(dir.path() + "/before.dat"));
    EXPECT_EQ(ReadAll(dir.path() + "/before.dat"), Content(100, 123));
    EXPECT_EQ(ReadAll(dir.path() + "/listing"), "P.dat\n");
}

} // namespace
