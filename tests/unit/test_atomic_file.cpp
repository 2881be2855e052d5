// Replacing a file keeps what the user set up around it: a symbolic link
// stays a link and its target gets the new content, a replaced file keeps
// its permission bits (never set-user-id or set-group-id), a read-only file
// is not replaced, and nothing found at a temporary's name blocks a save.
#include "app/TmRegistry.h"
#include "platform/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

class AtomicFile : public ::testing::Test {
public:
    QTemporaryDir dir;
    QString at(const QString& name) const { return dir.path() + '/' + name; }
    void put(const QString& name, const QByteArray& content) const
    {
        QDir().mkpath(QFileInfo(at(name)).absolutePath());
        QFile f(at(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    QByteArray content(const QString& name) const
    {
        QFile f(at(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    void link(const QString& target, const QString& name) const
    {
        ASSERT_EQ(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(at(name)).constData()), 0);
    }
    QString linkText(const QString& name) const
    {
        char buffer[4096];
        const ssize_t n = ::readlink(QFile::encodeName(at(name)).constData(), buffer, sizeof buffer);
        return n < 0 ? QStringLiteral("<no link>") : QFile::decodeName(QByteArray(buffer, n));
    }
    mode_t mode(const QString& name) const
    {
        struct stat st;
        return ::lstat(QFile::encodeName(at(name)).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
    }
    // Hidden temporaries of ours in `folder` (relative to the test folder).
    QStringList temporaries(const QString& folder = {}) const
    {
        return QDir(at(folder)).entryList({".tw-*"}, QDir::AllEntries | QDir::Hidden | QDir::System);
    }
};

TEST_F(AtomicFile, ALinkStaysALinkAndItsTargetIsReplaced)
{
    struct Case {
        const char* what;
        std::function<void(AtomicFile&)> make; // makes "P.dat" in folder "pal"
        QString target; // the file that must get the content
    };
    const Case cases[] = {
        {"relative link to another folder",
         [](AtomicFile& t) {
             t.put("elsewhere/real.dat", "old");
             QDir().mkpath(t.at("pal"));
             t.link("../elsewhere/real.dat", "pal/P.dat");
         },
         "elsewhere/real.dat"},
        {"chain of two links, the second absolute",
         [](AtomicFile& t) {
             t.put("elsewhere/real.dat", "old");
             QDir().mkpath(t.at("pal"));
             t.link(t.at("elsewhere/real.dat"), "elsewhere/middle.dat");
             t.link("../elsewhere/middle.dat", "pal/P.dat");
         },
         "elsewhere/real.dat"},
        {"dangling link: its target is created",
         [](AtomicFile& t) {
             QDir().mkpath(t.at("elsewhere"));
             QDir().mkpath(t.at("pal"));
             t.link("../elsewhere/real.dat", "pal/P.dat");
         },
         "elsewhere/real.dat"},
    };
    for (const Case& c : cases) {
        QDir(at("pal")).removeRecursively();
        QDir(at("elsewhere")).removeRecursively();
        c.make(*this);
        const QString before = linkText("pal/P.dat");
        const TWriteResult w = WriteFileAtomically(at("pal/P.dat"), "new");
        ASSERT_TRUE(w.ok) << c.what << ": " << w.error.toStdString();
        EXPECT_EQ(linkText("pal/P.dat"), before) << c.what;
        EXPECT_EQ(content(c.target), "new") << c.what;
        EXPECT_TRUE(temporaries("pal").isEmpty()) << c.what;
        EXPECT_TRUE(temporaries("elsewhere").isEmpty()) << c.what;
    }

    // A loop of links is refused, nothing written.
    link("loop-b", "loop-a");
    link("loop-a", "loop-b");
    const TWriteResult loop = WriteFileAtomically(at("loop-a"), "x");
    EXPECT_FALSE(loop.ok);
    EXPECT_EQ(loop.error, QString::fromLocal8Bit(strerror(ELOOP)));
    EXPECT_EQ(linkText("loop-a"), "loop-b");
}

TEST_F(AtomicFile, TheSettingsStoreThatIsALinkStaysALink)
{
    TmRegistry reg;
    reg.StoreFolder = at("store");
    reg.Key = QStringLiteral("\\software\\tintwell\\");
    reg.AddValue("a", "1");
    ASSERT_TRUE(reg.WriteValues());
    const QString file = reg.KeyFile();
    // The user keeps the real file elsewhere (a dotfiles folder, say).
    ASSERT_TRUE(QFile::rename(file, at("dotfiles-values")));
    ASSERT_EQ(::symlink(QFile::encodeName(at("dotfiles-values")).constData(), QFile::encodeName(file).constData()), 0);
    reg.PendingValues.clear();
    reg.AddValue("a", "2");
    ASSERT_TRUE(reg.WriteValues());
    EXPECT_TRUE(QFileInfo(file).isSymLink());
    QStringList values;
    reg.ReadValues(values);
    EXPECT_EQ(values, QStringList{"2"});
    EXPECT_TRUE(content("dotfiles-values").contains("2"));
    EXPECT_TRUE(QDir(QFileInfo(file).absolutePath()).entryList(QDir::Files | QDir::Hidden).size() == 1);
}

TEST_F(AtomicFile, ReplacedFileKeepsItsPermissionsWithoutSetIdBits)
{
    struct Case {
        mode_t before, after;
    };
    const Case cases[] = {{0640, 0640}, {0600, 0600}, {0664, 0664}, {06755, 0755}, {01666, 0666}};
    for (const Case& c : cases) {
        put("P.dat", "old");
        ASSERT_EQ(::chmod(QFile::encodeName(at("P.dat")).constData(), c.before), 0);
        ASSERT_TRUE(WriteFileAtomically(at("P.dat"), "new").ok) << std::oct << c.before;
        EXPECT_EQ(content("P.dat"), "new");
        EXPECT_EQ(mode("P.dat"), c.after) << std::oct << c.before;
    }
}

// A file without write permission is the user's way of saying "keep this":
// it is refused, for every user, with the system's words for it.
TEST_F(AtomicFile, ReadOnlyFileIsNotReplaced)
{
    for (const mode_t m : {mode_t(0444), mode_t(0400), mode_t(0555)}) {
        put("P.dat", "old");
        ASSERT_EQ(::chmod(QFile::encodeName(at("P.dat")).constData(), m), 0);
        const TWriteResult w = WriteFileAtomically(at("P.dat"), "new");
        EXPECT_FALSE(w.ok) << std::oct << m;
        EXPECT_EQ(w.error, QStringLiteral("Permission denied")) << std::oct << m;
        EXPECT_EQ(content("P.dat"), "old");
        EXPECT_EQ(mode("P.dat"), m);
        EXPECT_TRUE(temporaries().isEmpty());
        ::chmod(QFile::encodeName(at("P.dat")).constData(), 0644);
    }
}

// The temporary's name is short whatever the target's, so a name that just
// fits the file system can be saved.
TEST_F(AtomicFile, LongestFileNameCanBeWritten)
{
    const QString longest = QString(251, QChar('n')) + ".dat"; // 255 bytes, the limit
    ASSERT_TRUE(WriteFileAtomically(at(longest), "new").ok);
    EXPECT_EQ(content(longest), "new");
    ASSERT_TRUE(WriteFileAtomically(at(longest), "again").ok);
    EXPECT_EQ(content(longest), "again");
    const TWriteResult tooLong = WriteFileAtomically(at("n" + longest), "x");
    EXPECT_FALSE(tooLong.ok);
    EXPECT_EQ(tooLong.error, QString::fromLocal8Bit(strerror(ENAMETOOLONG)));
    EXPECT_TRUE(temporaries().isEmpty());
}

TEST_F(AtomicFile, ThingsPlantedAtTemporaryNamesDoNotBlockASave)
{
    // Learn which temporary name a write uses, from inside the write.
    QStringList seen;
    SetWriteFaultHook([&](const QString&, qint64, qint64) {
        seen << temporaries();
        return true;
    });
    ASSERT_TRUE(WriteFileAtomically(at("P.dat"), "first").ok);
    SetWriteFaultHook({});
    ASSERT_EQ(seen.size(), 1);
    const QString pattern = QStringLiteral(".tw-%1-").arg(::getpid());
    ASSERT_TRUE(seen[0].startsWith(pattern)) << seen[0].toStdString();
    const int used = seen[0].mid(pattern.size()).chopped(4).toInt();

    // The next names: folders (one not empty), a link to a file that must
    // not be written through, and a plain file of this (live) process.
    put("victim", "untouched");
    for (int n = used + 1; n <= used + 5; ++n)
        QDir().mkpath(at(pattern + QString::number(n) + ".tmp/inside"));
    link(at("victim"), pattern + QString::number(used + 6) + ".tmp");
    put(pattern + QString::number(used + 7) + ".tmp", "a live writer's");

    ASSERT_TRUE(WriteFileAtomically(at("P.dat"), "second").ok);
    EXPECT_EQ(content("P.dat"), "second");
    EXPECT_EQ(content("victim"), "untouched");
    EXPECT_EQ(content(pattern + QString::number(used + 7) + ".tmp"), "a live writer's");
    EXPECT_EQ(temporaries().size(), 7);
}

// Temporaries of writers that were killed are removed by the next write in
// their folder (also those of earlier versions, named after their target);
// those of live processes and anything that is not a plain file stay.
TEST_F(AtomicFile, LeftoversOfKilledWritersAreRemoved)
{
    const QString dead = QStringLiteral("99999999"); // above any pid_max
    const QString live = QString::number(::getpid());
    put(".tw-" + dead + "-3.tmp", "x");
    put(".Other.dat." + dead + ".tmp", "x"); // an earlier version's, of another file
    put(".P.dat." + dead + ".tmp", "x"); // an earlier version's, of this file
    put(".tw-" + live + "-999999.tmp", "x");
    QDir().mkpath(at(".tw-" + dead + "-4.tmp"));
    put(".tw-" + dead + "-x.tmp", "not ours");
    ASSERT_TRUE(WriteFileAtomically(at("P.dat"), "new").ok);
    QStringList left = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    QStringList kept = {".Other.dat." + dead + ".tmp", ".tw-" + dead + "-4.tmp", ".tw-" + dead + "-x.tmp",
                        ".tw-" + live + "-999999.tmp", "P.dat"};
    left.sort();
    kept.sort();
    EXPECT_EQ(left, kept);
}

} // namespace
