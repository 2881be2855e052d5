// Exporting the palette as a bitmap: its pixels as read back from the
// written file, the save dialog and what follows a successful or a failed
// export. The picture's geometry: test_palette_export_rules.cpp.
#include "palette/PaletteExport.h"
#include "palette/PalettePage.h"
#include "palette/PaletteTools.h"
#include "platform/AtomicFile.h"
#include "support/FormFixture.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

using namespace PaletteExport;

std::vector<TSwatch> Numbered(int count)
{
    std::vector<TSwatch> out;
    for (int i = 0; i < count; ++i)
        out.push_back({10 + i, 100, 200 - i, 0, 0});
    return out;
}

// ---- The file as written ----------------------------------------------------------

struct BmpHeader {
    QByteArray magic;
    qint32 width = 0;
    qint32 height = 0;
    quint16 bitsPerPixel = 0;
    quint32 compression = 0;
};

BmpHeader ReadHeader(const QByteArray& file)
{
    BmpHeader h;
    if (file.size() < 54)
        return h;
    const uchar* d = reinterpret_cast<const uchar*>(file.constData());
    h.magic = file.left(2);
    h.width = qFromLittleEndian<qint32>(d + 18);
    h.height = qFromLittleEndian<qint32>(d + 22);
    h.bitsPerPixel = qFromLittleEndian<quint16>(d + 28);
    h.compression = qFromLittleEndian<quint32>(d + 30);
    return h;
}

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct ExportFixture : ::testing::Test {
    TFormFixture f;
    TForm1* form = nullptr;
    QTemporaryDir out;

    void SetUp() override { form = &f.open(); }
    void TearDown() override { SetWriteFaultHook({}); }

    void setPalette(const std::vector<TSwatch>& swatches, QRadioButton* TPalettePage::*size)
    {
        (form->palettePage->*size)->setChecked(true);
        form->Pal.Palette = swatches;
        form->ApplySwatchSize();
        form->Pal.LayoutPalette();
    }
    // Runs "Export to .bmp" with the dialog answering `path`.
    void exportTo(const QString& path)
    {
        f.fake.dialogs.saveAnswers.push_back(path);
        form->paletteTools->Exporttobmp1->trigger();
    }
    QString target(const QString& name = "palette.bmp") const { return out.path() + "/" + name; }
};

TEST_F(ExportFixture, PictureIsWrittenAs24BitBmpWithCellsGapsFrameAndName)
{
    struct {
        QRadioButton* TPalettePage::*size;
        int count;
        int cell;
        int width;
        int height;
    } cases[] = {
        {&TPalettePage::check_small, 1, 20, 283, 46},
        {&TPalettePage::check_large, 10, 40, 403, 106},
        {&TPalettePage::check_large, 11, 40, 403, 106},
        {&TPalettePage::check_medium, 12, 30, 333, 86},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.count << " swatches of " << c.cell);
        std::vector<TSwatch> swatches = Numbered(c.count);
        swatches[0] = {256 + 7, -1, 300, 0, 0}; // drawn with the low bytes: 7, 255, 44
        setPalette(swatches, c.size);
        const QString path = target(QStringLiteral("p%1.bmp").arg(c.count));
        exportTo(path);

        const QByteArray file = ReadAll(path);
        const BmpHeader h = ReadHeader(file);
        EXPECT_EQ(h.magic, "BM");
        EXPECT_EQ(h.width, c.width);
        EXPECT_EQ(h.height, c.height); // positive: bottom-up rows
        EXPECT_EQ(h.bitsPerPixel, 24);
        EXPECT_EQ(h.compression, 0u);
        const QImage img = QImage::fromData(file, "BMP");
        ASSERT_EQ(img.size(), QSize(c.width, c.height));
        auto px = [&](int x, int y) { return QColor(img.pixel(x, y)); };

        for (int i = 0; i < c.count; ++i) {
            const QPoint o = CellOrigin(c.cell, i);
            const QColor fill = i == 0 ? QColor(7, 255, 44) : QColor(10 + i, 100, 200 - i);
            EXPECT_EQ(px(o.x(), o.y()), QColor(80, 80, 80)) << "cell " << i;
            EXPECT_EQ(px(o.x() + c.cell - 2, o.y() + c.cell - 2), QColor(80, 80, 80)) << "cell " << i;
            EXPECT_EQ(px(o.x() + 1, o.y() + 1), fill) << "cell " << i;
            EXPECT_EQ(px(o.x() + c.cell - 3, o.y() + c.cell / 2), fill) << "cell " << i;
            EXPECT_EQ(px(o.x() + c.cell - 1, o.y() + c.cell / 2), QColor(255, 255, 255)) << "gap after cell " << i;
            EXPECT_EQ(px(o.x() + c.cell / 2, o.y() + c.cell - 1), QColor(255, 255, 255)) << "gap below cell " << i;
        }
        // The frame on all four edges, white ground inside it.
        for (const QPoint p :
             {QPoint(0, 0), QPoint(c.width - 1, 0), QPoint(0, c.height - 1), QPoint(c.width - 1, c.height - 1),
              QPoint(c.width / 2, 0), QPoint(c.width / 2, c.height - 1), QPoint(0, c.height / 2),
              QPoint(c.width - 1, c.height / 2)})
            EXPECT_EQ(px(p.x(), p.y()), QColor(100, 100, 100)) << p.x() << "," << p.y();
        EXPECT_EQ(px(1, 24), QColor(255, 255, 255));
        EXPECT_EQ(px(c.width - 2, c.height - 2), QColor(255, 255, 255));
        EXPECT_EQ(px(c.width - 2, 30), QColor(255, 255, 255));
        // The name's ink, in its grey, at the top left.
        int ink = 0;
        for (int y = 2; y < 22; ++y)
            for (int x = 2; x < 120; ++x)
                if (px(x, y) == QColor(70, 70, 70))
                    ++ink;
        EXPECT_GT(ink, 0);
    }
}

TEST_F(ExportFixture, LongNameIsCutAtTheRightEdgeNotWrapped)
{
    setPalette(Numbered(3), &TPalettePage::check_small);
    form->SetPageCaption(QString(80, 'W'));
    exportTo(target());
    const QImage img(target());
    ASSERT_EQ(img.width(), 283);
    bool inkNearEdge = false;
    for (int y = 2; y < 22; ++y)
        inkNearEdge |= img.pixelColor(img.width() - 3, y) != QColor(255, 255, 255)
            || img.pixelColor(img.width() - 2, y) != QColor(255, 255, 255);
    EXPECT_TRUE(inkNearEdge);
    for (int y = 0; y < img.height(); ++y)
        EXPECT_EQ(img.pixelColor(img.width() - 1, y), QColor(100, 100, 100)) << y;
    // Nothing of the name below its line: the rows above the cells stay white.
    for (int x = 1; x < img.width() - 1; ++x)
        EXPECT_EQ(img.pixelColor(x, 24), QColor(255, 255, 255)) << x;
}

TEST_F(ExportFixture, SuccessfulExportReportsOpensTheFolderAndStoresIt)
{
    setPalette(Numbered(3), &TPalettePage::check_medium);
    form->Pal.PaletteSaved = false;
    form->SetPageCaption("Sea");
    const QString startFolder = form->Pal.ExportFolder;
    exportTo(target());

    ASSERT_EQ(f.fake.dialogs.saveRequests.size(), 1u);
    const IDialogs::SaveFileRequest& r = f.fake.dialogs.saveRequests[0];
    EXPECT_EQ(r.title, "Export palette");
    EXPECT_EQ(r.filter, "Bitmaps (*.bmp)");
    EXPECT_EQ(r.defaultSuffix, "bmp");
    EXPECT_EQ(r.directory, startFolder);
    EXPECT_TRUE(r.confirmOverwrite);
    EXPECT_TRUE(r.fileName.isEmpty());

    EXPECT_TRUE(QFileInfo::exists(target()));
    EXPECT_TRUE(f.fake.dialogs.shown.empty());
    EXPECT_EQ(form->Status(0), "Image exported");
    EXPECT_EQ(form->Status(1), "Sea"); // no "(Not saved)", whatever the palette's state
    EXPECT_EQ(f.fake.desktop.openedFolders, QStringList({out.path() + "/"}));
    EXPECT_EQ(f.storedValues().value(6), out.path() + "/");
    EXPECT_EQ(form->Pal.ExportFolder, startFolder);
    EXPECT_FALSE(form->Pal.PaletteSaved);

    // The next export offers the file chosen last; "Open exporting folder"
    // still opens the folder of the start.
    f.fake.dialogs.saveAnswers.push_back({});
    form->paletteTools->Exporttobmp1->trigger();
    ASSERT_EQ(f.fake.dialogs.saveRequests.size(), 2u);
    EXPECT_EQ(f.fake.dialogs.saveRequests[1].fileName, target());
    form->paletteTools->Openexportingfolder1->trigger();
    EXPECT_EQ(f.fake.desktop.openedFolders.value(1), startFolder);
}

TEST_F(ExportFixture, EmptyPaletteCancelAndEmptyNameWriteNothing)
{
    form->SetStatus("before", "before");
    form->paletteTools->Exporttobmp1->trigger();
    ASSERT_EQ(f.fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(f.fake.dialogs.shown[0].icon, TMsgIcon::Information);
    EXPECT_EQ(f.fake.dialogs.shown[0].text, "There have no colors to be exported to Bitmap.");
    EXPECT_TRUE(f.fake.dialogs.saveRequests.empty());

    setPalette(Numbered(2), &TPalettePage::check_medium);
    exportTo({}); // cancelled
    EXPECT_EQ(f.fake.dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(f.fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(form->Status(0), "before");
    EXPECT_TRUE(f.fake.desktop.openedFolders.isEmpty());
    EXPECT_TRUE(QDir(out.path()).isEmpty());
}

TEST_F(ExportFixture, MillionSwatchPaletteShowsAnErrorAndAsksForNoFile)
{
    form->Pal.Palette.assign(1000000, TSwatch{1, 2, 3, 0, 0});
    form->SetStatus("before", "before");
    form->paletteTools->Exporttobmp1->trigger();
    ASSERT_EQ(f.fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(f.fake.dialogs.shown[0].icon, TMsgIcon::Error);
    EXPECT_TRUE(f.fake.dialogs.shown[0].text.contains("too large"));
    EXPECT_TRUE(f.fake.dialogs.saveRequests.empty());
    EXPECT_EQ(form->Status(0), "before");
}

TEST_F(ExportFixture, FailedWriteLeavesNoPartialFileAndNothingElseHappens)
{
    setPalette(Numbered(30), &TPalettePage::check_large);
    const QStringList storedBefore = f.storedValues();
    form->SetStatus("before", "before");
    QFile old(target());
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old picture");
    old.close();

    // The disk is full.
    SetWriteFaultHook([](const QString&, qint64, qint64) { return false; });
    exportTo(target());
    SetWriteFaultHook({});

    ASSERT_EQ(f.fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(f.fake.dialogs.shown[0].icon, TMsgIcon::Error);
    EXPECT_TRUE(f.fake.dialogs.shown[0].text.contains("palette.bmp")) << f.fake.dialogs.shown[0].text.toStdString();
    EXPECT_EQ(ReadAll(target()), "old picture");
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"palette.bmp"}));
    EXPECT_EQ(form->Status(0), "before");
    EXPECT_TRUE(f.fake.desktop.openedFolders.isEmpty());
    EXPECT_EQ(f.storedValues(), storedBefore);

    // A folder that does not exist fails the same way.
    exportTo(out.path() + "/missing/palette.bmp");
    ASSERT_EQ(f.fake.dialogs.shown.size(), 2u);
    EXPECT_EQ(f.fake.dialogs.shown[1].icon, TMsgIcon::Error);
    EXPECT_FALSE(QFileInfo::exists(out.path() + "/missing"));
}

const QString kExportStepFailed =
    QStringLiteral("The file can not be opened. It may becuase the file is not \r\nexisted anymore or deleted.");

TEST_F(ExportFixture, StoringTheFolderFailingAfterTheKeyOpenedShowsTheStepError)
{
    setPalette(Numbered(3), &TPalettePage::check_medium);
    const QStringList storedBefore = f.storedValues();
    // The store's file cannot be replaced: it is a link into a folder that
    // does not exist, so no temporary can be made beside its target, which
    // stops root as well as anyone else.
    const QString store = form->Settings.mRegistry1.KeyFile();
    ASSERT_TRUE(QFileInfo::exists(store));
    ASSERT_TRUE(QFile::rename(store, store + ".kept"));
    ASSERT_TRUE(QFile::link(out.path() + "/no-such-folder/values", store));
    exportTo(target());
    ASSERT_TRUE(QFile::remove(store));
    ASSERT_TRUE(QFile::rename(store + ".kept", store));

    ASSERT_EQ(f.fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(f.fake.dialogs.shown[0].icon, TMsgIcon::Error);
    EXPECT_EQ(f.fake.dialogs.shown[0].text, kExportStepFailed);
    EXPECT_FALSE(f.fake.dialogs.shown[0].question);
    // The steps before it happened; the picture stays.
    EXPECT_TRUE(QFileInfo::exists(target()));
    EXPECT_EQ(form->Status(0), "Image exported");
    EXPECT_EQ(f.fake.desktop.openedFolders, QStringList({out.path() + "/"}));
    EXPECT_EQ(f.storedValues(), storedBefore);

    // A full disk is the same.
    SetWriteFaultHook([](const QString& path, qint64, qint64) { return !path.endsWith("/values"); });
    exportTo(target("second.bmp"));
    SetWriteFaultHook({});
    ASSERT_EQ(f.fake.dialogs.shown.size(), 2u);
    EXPECT_EQ(f.fake.dialogs.shown[1].text, kExportStepFailed);
    EXPECT_TRUE(QFileInfo::exists(target("second.bmp")));
}

TEST_F(ExportFixture, NoMessageWhenTheFolderDoesNotOpenOrTheStoreCannotBeOpened)
{
    setPalette(Numbered(3), &TPalettePage::check_medium);
    f.fake.desktop.result = false; // no file browser on this machine
    exportTo(target());
    EXPECT_TRUE(f.fake.dialogs.shown.empty());
    EXPECT_EQ(f.storedValues().value(6), out.path() + "/");

    // A store key that can be neither opened nor created is the settings'
    // own quiet failure.
    QFile file(out.path() + "/not-a-folder");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    form->Settings.mRegistry1.StoreFolder = file.fileName();
    exportTo(target("other.bmp"));
    EXPECT_TRUE(QFileInfo::exists(target("other.bmp")));
    EXPECT_TRUE(f.fake.dialogs.shown.empty());

    // Opening a folder that is gone brings no message either.
    form->Pal.ExportFolder = out.path() + "/gone";
    form->paletteTools->Openexportingfolder1->trigger();
    EXPECT_EQ(f.fake.desktop.openedFolders.value(2), out.path() + "/gone");
    EXPECT_TRUE(f.fake.dialogs.shown.empty());
}

TEST_F(ExportFixture, OpenExportingFolderReportsAndOpensTheStartFolder)
{
    form->SetPageCaption("Sea");
    form->paletteTools->Openexportingfolder1->trigger();
    EXPECT_EQ(form->Status(0), "Image exported");
    EXPECT_EQ(form->Status(1), "Sea");
    EXPECT_EQ(f.fake.desktop.openedFolders, QStringList({form->Pal.ExportFolder}));
    EXPECT_TRUE(f.fake.dialogs.shown.empty());
}

TEST_F(ExportFixture, ExportButtonOpensItsMenu)
{
    form->paletteTools->mu_export->click();
    QMenu* menu = form->paletteTools->JvPopupMenu1;
    EXPECT_TRUE(menu->isVisible());
    QStringList captions;
    for (QAction* a : menu->actions())
        captions << a->text();
    EXPECT_EQ(captions,
              QStringList({"Export to .bmp", "Export to .png", "Export to .gpl (GIMP, Inkscape, Krita)",
                           "Export to .ase (Adobe)", "Export to .css", "Export to .json", "Open exporting folder"}));
    menu->hide();
}

} // namespace
