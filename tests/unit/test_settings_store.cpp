// The settings store: what the program relies on (text of any content,
// names without regard to case, creation order, replacement in place),
// the queue that every WriteValues stores again, and that a damaged or
// interrupted store never costs the user their settings or crashes start-up.
#include "app/TmRegistry.h"
#include "platform/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class SettingsStore : public ::testing::Test {
protected:
    QTemporaryDir dir;
    TmRegistry make() const
    {
        TmRegistry reg;
        reg.StoreFolder = dir.path();
        reg.Key = QStringLiteral("\\software\\tintwell\\");
        return reg;
    }
    QStringList read() const
    {
        QStringList list;
        make().ReadValues(list);
        return list;
    }
    QByteArray rawFile() const
    {
        QFile f(make().KeyFile());
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
};

TEST_F(SettingsStore, DefaultsOfANewComponent)
{
    TmRegistry reg;
    EXPECT_EQ(reg.RootKey, rkHKEY_LOCAL_MACHINE);
    EXPECT_TRUE(reg.CanCreate);
    EXPECT_TRUE(reg.PendingValues.isEmpty());
    EXPECT_EQ(int(rkHKEY_CLASSES_ROOT), 0);
    EXPECT_EQ(int(rkHKEY_CURRENT_CONFIG), 4);
}

TEST_F(SettingsStore, TextOfAnyContentRoundTrips)
{
    const QStringList values = {"255\t0\t0",
                                "two\nlines\r\nand CR",
                                "back\\slash \\n not a break",
                                "Grüße, ναι, 色",
                                "",
                                "trailing blanks  ",
                                QStringLiteral("\U0001F3A8 outside the basic plane")};
    TmRegistry reg = make();
    for (int i = 0; i < values.size(); ++i)
        reg.AddValue(QStringLiteral("v%1").arg(i), values[i]);
    ASSERT_TRUE(reg.WriteValues());
    EXPECT_EQ(read(), values);
}

TEST_F(SettingsStore, NamesIgnoreCaseAndKeepTheirPlace)
{
    TmRegistry first = make();
    first.AddValue("lastColor", "1");
    first.AddValue("zoomHotKey", "Ctrl+Z");
    first.AddValue("grabHotKey", "Ctrl+G");
    ASSERT_TRUE(first.WriteValues());

    TmRegistry later = make();
    later.AddValue("zoomHotkey", "Ctrl+Q"); // other spelling, same value
    later.AddValue("GRABHOTKEY", "Alt+G");
    later.AddValue("newOne", "x");
    ASSERT_TRUE(later.WriteValues());
    EXPECT_EQ(read(), (QStringList{"1", "Ctrl+Q", "Alt+G", "x"}));
    // The first spelling of a name is the one kept.
    EXPECT_TRUE(rawFile().contains("zoomHotKey\t"));
}

TEST_F(SettingsStore, EveryWriteStoresTheWholeQueueAgain)
{
    TmRegistry reg = make();
    reg.AddValue("a", "1");
    reg.AddValue("b", "2");
    ASSERT_TRUE(reg.WriteValues());

    // Someone else changes "a" between our two writes...
    TmRegistry other = make();
    other.AddValue("a", "changed elsewhere");
    ASSERT_TRUE(other.WriteValues());

    // ...and our second write stores the old pairs again before the new ones.
    reg.AddValue("c", "3");
    reg.AddValue("b", "22");
    ASSERT_TRUE(reg.WriteValues());
    EXPECT_EQ(read(), (QStringList{"1", "22", "3"}));
    EXPECT_EQ(reg.PendingValues.size(), 4);
}

TEST_F(SettingsStore, EmptyNamesAreNumberedByTheirPlaceInTheQueue)
{
    TmRegistry reg = make();
    reg.AddValue("", "first");
    reg.AddValue("named", "x");
    reg.AddValue("", "third");
    EXPECT_EQ(reg.PendingValues[0].first, "Value1");
    EXPECT_EQ(reg.PendingValues[2].first, "Value3");
    ASSERT_TRUE(reg.WriteValues());
    EXPECT_EQ(read(), (QStringList{"first", "x", "third"}));
}

TEST_F(SettingsStore, KeysThatCannotBeOpened)
{
    // Missing key: one empty text; and nothing is created without CanCreate.
    EXPECT_EQ(read(), QStringList{QString()});
    TmRegistry reg = make();
    reg.CanCreate = false;
    reg.AddValue("a", "1");
    EXPECT_FALSE(reg.WriteValues());
    EXPECT_FALSE(QFile::exists(reg.KeyFile()));

    // A key path that would leave the store.
    TmRegistry escape = make();
    escape.Key = "\\software\\..\\..\\etc\\";
    escape.AddValue("a", "1");
    EXPECT_FALSE(escape.WriteValues());
    QStringList list;
    escape.ReadValues(list);
    EXPECT_EQ(list, QStringList{QString()});
}

TEST_F(SettingsStore, RootsAndKeysAreSeparate)
{
    TmRegistry machine = make();
    machine.AddValue("a", "machine");
    ASSERT_TRUE(machine.WriteValues());
    TmRegistry user = make();
    user.RootKey = rkHKEY_CURRENT_USER;
    user.AddValue("a", "user");
    ASSERT_TRUE(user.WriteValues());
    TmRegistry odd = make();
    odd.RootKey = 99; // any other ordinal is the machine root
    QStringList list;
    odd.ReadValues(list);
    EXPECT_EQ(list, QStringList{"machine"});
    TmRegistry otherCase = make();
    otherCase.Key = "\\SOFTWARE\\Tintwell";
    list.clear();
    otherCase.ReadValues(list);
    EXPECT_EQ(list, QStringList{"machine"});
}

TEST_F(SettingsStore, DamagedFileReadsAsMissingAndIsKeptAsideOnWrite)
{
    TmRegistry reg = make();
    reg.AddValue("a", "1");
    ASSERT_TRUE(reg.WriteValues());
    const QByteArray damaged[] = {"", "garbage\x01\x02", "tintwell-store 1\nno-tab-here\nend\n",
                                  "tintwell-store 1\na\t1\n" /* cut short */, "tintwell-store 1\nbad\\q\tx\nend\n"};
    for (const QByteArray& content : damaged) {
        {
            QFile f(reg.KeyFile());
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(content);
        }
        EXPECT_EQ(read(), QStringList{QString()}) << content.toStdString();
        TmRegistry writer = make();
        writer.AddValue("b", "2");
        ASSERT_TRUE(writer.WriteValues());
        EXPECT_EQ(read(), QStringList{"2"});
        const QStringList aside = QDir(QFileInfo(reg.KeyFile()).absolutePath()).entryList({"values.damaged-*"});
        ASSERT_FALSE(aside.isEmpty());
        QFile kept(QFileInfo(reg.KeyFile()).absolutePath() + "/" + aside.constLast());
        kept.open(QIODevice::ReadOnly);
        EXPECT_EQ(kept.readAll(), content);
        for (const QString& name : aside)
            QFile::remove(QFileInfo(reg.KeyFile()).absolutePath() + "/" + name);
    }
}

TEST_F(SettingsStore, InterruptedWriteKeepsTheOldContent)
{
    TmRegistry reg = make();
    reg.AddValue("lastColor", "1\t2\t3");
    ASSERT_TRUE(reg.WriteValues());
    const QByteArray before = rawFile();

    SetWriteFaultHook([](const QString&, qint64, qint64) { return false; }); // the disk is full
    reg.AddValue("lastColor", "4\t5\t6");
    EXPECT_FALSE(reg.WriteValues());
    SetWriteFaultHook(nullptr);

    EXPECT_EQ(rawFile(), before);
    EXPECT_EQ(read(), QStringList{"1\t2\t3"});
    // No temporary file is left beside the store.
    const QStringList files =
        QDir(QFileInfo(reg.KeyFile()).absolutePath()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    EXPECT_EQ(files, QStringList{"values"});
}

} // namespace
