// Sorting the open palette through the Sort button's menu on the main
// window. The orders themselves: test_palette_sort_rules.cpp.
#include "palette/PaletteSort.h"
#include "palette/PaletteTools.h"
#include "support/FormFixture.h"
#include "support/SwatchColors.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

struct SortFixture : ::testing::Test {
    TFormFixture f;
    TForm1* form = nullptr;
    void SetUp() override { form = &f.open(); }
    void setPalette(const Colors& colors)
    {
        form->Pal.Palette = Swatches(colors);
        form->Pal.ApplySwatchSize(TSwatchSize::Medium);
        form->Pal.LayoutPalette();
        form->Pal.PaletteSaved = true;
    }
};

TEST_F(SortFixture, EmptyPaletteIsRefusedWithoutAMenu)
{
    form->paletteTools->b_ppSortClick();
    ASSERT_EQ(f.fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(f.fake.dialogs.shown[0].icon, TMsgIcon::Information);
    EXPECT_EQ(f.fake.dialogs.shown[0].text, "There have no enough colors to do sorting.");
    EXPECT_FALSE(form->paletteTools->sort_popup->isVisible());
}

TEST_F(SortFixture, OneSwatchOpensTheMenuWithItsFourOrders)
{
    setPalette({{10, 20, 30}});
    form->paletteTools->b_ppSort->click();
    EXPECT_TRUE(f.fake.dialogs.shown.empty());
    EXPECT_TRUE(form->paletteTools->sort_popup->isVisible());
    QStringList captions;
    for (QAction* a : form->paletteTools->sort_popup->actions())
        captions << a->text();
    EXPECT_EQ(captions, QStringList({"By Tints/Shades", "By Red", "By Green", "By Blue"}));
    form->paletteTools->sort_popup->hide();
}

TEST_F(SortFixture, EachMenuItemSortsByItsOrderAndMarksThePaletteChanged)
{
    const Colors input = {{0, 0, 200}, {90, 0, 200}, {200, 10, 10}, {0, 255, 0}};
    const struct {
        QAction* TPaletteTools::*item;
        Colors expected;
    } cases[] = {
        {&TPaletteTools::ByHue1, {{90, 0, 200}, {0, 0, 200}, {0, 255, 0}, {200, 10, 10}}},
        {&TPaletteTools::BySaturation1, {{200, 10, 10}, {90, 0, 200}, {0, 255, 0}, {0, 0, 200}}},
        {&TPaletteTools::Bybrightness1, {{0, 255, 0}, {200, 10, 10}, {90, 0, 200}, {0, 0, 200}}},
        {&TPaletteTools::ByBlue1, {{90, 0, 200}, {0, 0, 200}, {200, 10, 10}, {0, 255, 0}}},
    };
    for (const auto& c : cases) {
        setPalette(input);
        form->Pal.SelectedSwatch = 2;
        form->Color.LastAddedColor = {0, 255, 0};
        form->SetStatus("before", "before");
        const std::vector<TSwatch> cells = form->Pal.Palette;

        (form->paletteTools->*c.item)->trigger();

        const QString caption = (form->paletteTools->*c.item)->text();
        EXPECT_EQ(ColorsOf(form->Pal.Palette), c.expected) << caption.toStdString();
        for (std::size_t i = 0; i < cells.size(); ++i)
            EXPECT_TRUE(form->Pal.Palette[i].Left == cells[i].Left && form->Pal.Palette[i].Top == cells[i].Top);
        EXPECT_EQ(form->Pal.SelectedSwatch, -1);
        EXPECT_FALSE(form->Pal.PaletteSaved);
        EXPECT_EQ(form->Status(0), "Colors are sorted.");
        EXPECT_EQ(form->Status(1), "untitled(Not saved)");
        EXPECT_EQ(form->Color.LastAddedColor, (TRgbColor{0, 255, 0}));
    }
}

TEST_F(SortFixture, AlreadySortedPaletteIsStillMarkedUnsaved)
{
    setPalette({{255, 0, 0}, {0, 0, 0}});
    form->SetPageCaption("Autumn");
    form->paletteTools->BySaturation1->trigger();
    EXPECT_EQ(ColorsOf(form->Pal.Palette), (Colors{{255, 0, 0}, {0, 0, 0}}));
    EXPECT_FALSE(form->Pal.PaletteSaved);
    EXPECT_EQ(form->Status(1), "Autumn(Not saved)");
}

} // namespace
