// The exported picture's geometry and its size limit.
#include "palette/PaletteExport.h"
#include "support/SwatchColors.h"

#include <gtest/gtest.h>

namespace {

using namespace PaletteExport;

TEST(ExportGeometry, SizeAndCellPlacesDependOnTheCellSizeOnly)
{
    struct {
        int cell;
        int count;
        int width;
        int height;
        int lastIndex;
        QPoint lastAt;
    } cases[] = {
        {20, 1, 283, 46, 0, {2, 25}},     {40, 10, 403, 106, 9, {362, 25}}, // one full row, then an empty band
        {40, 11, 403, 106, 10, {2, 65}},  {30, 12, 333, 86, 11, {2, 55}},   {30, 11, 333, 86, 10, {302, 25}},
        {20, 14, 283, 66, 13, {262, 25}}, {20, 15, 283, 66, 14, {2, 45}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ImageWidth(c.cell), c.width);
        EXPECT_EQ(ImageHeight(c.cell, c.count), c.height) << c.count << " x " << c.cell;
        EXPECT_EQ(CellOrigin(c.cell, c.lastIndex), c.lastAt) << c.count << " x " << c.cell;
    }
    EXPECT_EQ(Columns(40), 10);
    EXPECT_EQ(Columns(30), 11);
    EXPECT_EQ(Columns(20), 14);
}

TEST(ExportGeometry, TooLargePictureIsRefusedBeforeAnythingIsAllocated)
{
    EXPECT_TRUE(SizeError(20, 22900).isEmpty());
    EXPECT_FALSE(SizeError(20, 23000).isEmpty());

    // A million swatches would make a picture of 283 x 1428606 pixels.
    const std::vector<TSwatch> huge(1000000, TSwatch{});
    const TPicture picture = BuildExportImage("huge", huge, 20);
    EXPECT_FALSE(picture);
    EXPECT_TRUE(picture.error.contains("too large")) << picture.error.toStdString();
    EXPECT_TRUE(picture.error.contains("283 x 1428606")) << picture.error.toStdString();
}

} // namespace
