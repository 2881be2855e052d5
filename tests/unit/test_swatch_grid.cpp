// The swatch grid every swatch view shares, over the geometry of each view:
// cells a row, the view height, where cells go, which pixels hit a cell, and
// the pixels drawn, against the pen-and-brush drawing of the same cells and
// against a paint of everything clipped to the exposed part.
#include "grab/GrabState.h"
#include "palette/PaletteModel.h"
#include "palette/SwatchGrid.h"
#include "palette/SwatchLibrary.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

struct TView {
    const char* name;
    TSwatchGrid grid;
};

TPaletteModel PaletteAt(TSwatchSize size)
{
    TPaletteModel pal;
    pal.ApplySwatchSize(size);
    return pal;
}

// The zoom window's own list: 64 pixels wide, cells drawn 28 pixels square.
constexpr TSwatchGrid kZoomList{30, 30, 64, 2};

const TView kViews[] = {
    {"palette large", PaletteAt(TSwatchSize::Large).Grid()},
    {"palette medium", PaletteAt(TSwatchSize::Medium).Grid()},
    {"palette small", PaletteAt(TSwatchSize::Small).Grid()},
    {"library large", SwatchLibrary::LibraryGrid(40)},
    {"library medium", SwatchLibrary::LibraryGrid(30)},
    {"library small", SwatchLibrary::LibraryGrid(20)},
    {"grabbed list", TGrabState::Grid},
    {"zoom list", kZoomList},
    {"narrower than a cell", TSwatchGrid{30, 30, 25}},
};

std::vector<TSwatch> Cells(std::size_t n, const TSwatchGrid& grid)
{
    std::vector<TSwatch> out;
    for (std::size_t i = 0; i < n; ++i)
        out.push_back(TSwatch{int(37 * i) % 256, int(300 + 11 * i), int(200 - 3 * i), 0, 0});
    grid.Layout(out);
    return out;
}

TEST(SwatchGrid, ColumnsHeightAndPlacesForEveryView)
{
    struct {
        const char* view;
        int columns;
        int lastLeft; // of the last cell of the first row
    } const expected[] = {
        {"palette large", 7, 241}, {"palette medium", 9, 241}, {"palette small", 14, 261},
        {"library large", 6, 201}, {"library medium", 8, 211}, {"library small", 12, 221},
        {"grabbed list", 7, 181},  {"zoom list", 2, 31},       {"narrower than a cell", 1, 1},
    };
    for (std::size_t v = 0; v < std::size(kViews); ++v) {
        const TSwatchGrid& g = kViews[v].grid;
        SCOPED_TRACE(kViews[v].name);
        ASSERT_STREQ(expected[v].view, kViews[v].name);
        const int n = expected[v].columns;
        const int h = g.cellHeight;
        EXPECT_EQ(g.Columns(), n);
        // One row more than the full rows: empty, a row short, a full row,
        // one cell into the next row.
        EXPECT_EQ(g.ViewHeight(0), h);
        EXPECT_EQ(g.ViewHeight(std::size_t(n - 1)), h);
        EXPECT_EQ(g.ViewHeight(std::size_t(n)), 2 * h);
        EXPECT_EQ(g.ViewHeight(std::size_t(n + 1)), (n == 1 ? 3 : 2) * h); // one column: a row a cell
        EXPECT_EQ(g.ViewHeight(std::size_t(3 * n)), 4 * h);

        const std::vector<TSwatch> cells = Cells(std::size_t(2 * n + 1), g);
        EXPECT_EQ(QPoint(cells[0].Left, cells[0].Top), QPoint(1, 0));
        EXPECT_EQ(QPoint(cells[std::size_t(n - 1)].Left, cells[std::size_t(n - 1)].Top),
                  QPoint(expected[v].lastLeft, 0));
        EXPECT_EQ(QPoint(cells[std::size_t(n)].Left, cells[std::size_t(n)].Top), QPoint(1, h));
        EXPECT_EQ(QPoint(cells[std::size_t(2 * n)].Left, cells[std::size_t(2 * n)].Top), QPoint(1, 2 * h));
        for (std::size_t i = 0; i < cells.size(); ++i)
            EXPECT_EQ(QPoint(cells[i].Left, cells[i].Top), g.Origin(i)) << i;
        // The last cell of a row stays inside the view (when one fits at all).
        if (g.viewWidth >= g.cellWidth) {
            EXPECT_LE(g.CellRect(cells[std::size_t(n - 1)]).right(), g.viewWidth - 1);
        }
    }
}

TEST(SwatchGrid, OnlyPointsInsideACellsOutlineHitIt)
{
    for (const TView& view : kViews) {
        const TSwatchGrid& g = view.grid;
        SCOPED_TRACE(view.name);
        const int n = g.Columns();
        // Two full rows and one cell of a third; the cell tested is in the
        // second row, second column where there is one.
        const std::vector<TSwatch> cells = Cells(std::size_t(2 * n + 1), g);
        const std::size_t k = std::size_t(n + (n > 1 ? 1 : 0));
        const QRect r = g.CellRect(cells[k]);
        EXPECT_EQ(r.size(), QSize(g.cellWidth - g.gap, g.cellHeight - g.gap));
        const int mid = r.top() + r.height() / 2, centre = r.left() + r.width() / 2;
        struct {
            const char* what;
            QPoint at;
            bool hit;
        } const cases[] = {
            {"left outline", {r.left(), mid}, false},
            {"first pixel inside", {r.left() + 1, mid}, true},
            {"right outline", {r.right(), mid}, true},
            {"gap on the right", {r.right() + 1, mid}, false},
            {"top outline", {centre, r.top()}, false},
            {"first row inside", {centre, r.top() + 1}, true},
            {"bottom outline", {centre, r.bottom()}, true},
            {"gap below", {centre, r.bottom() + 1}, false},
            {"corner inside", {r.left() + 1, r.top() + 1}, true},
        };
        for (const auto& c : cases)
            EXPECT_EQ(g.HitTest(cells, c.at), c.hit ? std::int32_t(k) : -1) << c.what;

        // The last, partial row: its one cell hits, the place beside it not.
        const TSwatch& last = cells.back();
        EXPECT_EQ(g.HitTest(cells, {last.Left + 5, last.Top + 5}), std::int32_t(cells.size() - 1));
        if (n > 1) {
            EXPECT_EQ(g.HitTest(cells, {last.Left + g.cellWidth + 5, last.Top + 5}), -1);
        }
        // Below the last row, the right margin, outside the view.
        EXPECT_EQ(g.HitTest(cells, {5, last.Top + g.cellHeight + 5}), -1);
        EXPECT_EQ(g.HitTest(cells, {1 + n * g.cellWidth + 1, 5}), -1);
        EXPECT_EQ(g.HitTest(cells, {-5, -5}), -1);
        EXPECT_EQ(g.HitTest({}, {5, 5}), -1);
    }
}

TEST(SwatchGrid, OfCellsOnOnePlaceTheLastHits)
{
    const TSwatchGrid g = SwatchLibrary::LibraryGrid(30);
    std::vector<TSwatch> cells = Cells(10, g);
    cells[5].Left = cells[2].Left;
    EXPECT_EQ(g.HitTest(cells, {cells[2].Left + 5, 5}), 5);
    EXPECT_EQ(g.HitTest(cells, {cells[1].Left + 5, 5}), 1);
}

// The cells as a view draws them with a pen and a brush: a 1-pixel pen of
// RGB(80, 80, 80) around a square `gap` pixels smaller than the cell, or a
// 3-pixel pen of the ring colour, square-capped and mitred, for the selected
// one. The grid must give exactly these pixels.
QImage PenDrawn(const TSwatchGrid& g, const std::vector<TSwatch>& cells, int selected, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    const int side = g.cellWidth - g.gap - 1;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const TSwatch& s = cells[i];
        if (int(i) == selected)
            p.setPen(QPen(QColor(g.ring), 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        else
            p.setPen(QPen(QColor(80, 80, 80), 1));
        p.setBrush(QColor(s.Red & 0xFF, s.Green & 0xFF, s.Blue & 0xFF));
        p.drawRect(s.Left, s.Top, side, side);
    }
    return image;
}

QImage GridDrawn(const TSwatchGrid& g, const std::vector<TSwatch>& cells, int selected, QSize size,
                 const QRect& exposed, int* drawn = nullptr)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setClipRect(exposed);
    const int n = g.Paint(p, cells, selected, exposed);
    if (drawn)
        *drawn = n;
    return image;
}

TEST(SwatchGrid, PaintsEveryViewsCellsToThePixel)
{
    for (const TView& view : kViews) {
        const TSwatchGrid& g = view.grid;
        const std::vector<TSwatch> cells = Cells(std::size_t(2 * g.Columns() + 1), g);
        const QSize size(std::max(g.viewWidth, g.cellWidth + 2), g.ViewHeight(cells.size()));
        // No selection, the first cell (its ring reaches the view's edge),
        // one in the middle, the last.
        for (int selected : {-1, 0, g.Columns(), int(cells.size()) - 1}) {
            SCOPED_TRACE(testing::Message() << view.name << ", selected " << selected);
            int drawn = 0;
            const QImage grid = GridDrawn(g, cells, selected, size, QRect(QPoint(0, 0), size), &drawn);
            EXPECT_EQ(grid, PenDrawn(g, cells, selected, size));
            EXPECT_EQ(drawn, int(cells.size()));
        }
    }
}

TEST(SwatchGrid, PaintingWhatIsExposedGivesThePixelsOfPaintingAll)
{
    const TSwatchGrid g = PaletteAt(TSwatchSize::Medium).Grid();
    const std::vector<TSwatch> cells = Cells(95, g); // ten full rows and five cells
    const QSize size(g.viewWidth, g.ViewHeight(cells.size()));
    const int selected = 40; // row 4, column 4: (121, 120)
    const QImage all = GridDrawn(g, cells, selected, size, QRect(QPoint(0, 0), size));
    // Cells drawn: those whose square, one pixel larger on every side for
    // a ring, reaches into the exposed part.
    struct {
        const char* what;
        QRect exposed;
        int cells;
    } const cases[] = {
        {"a band of two rows, and the ring band of the next", {0, 60, 281, 60}, 27},
        {"one pixel of the ring in the gap above the cell", {130, 119, 1, 1}, 2},
        {"the ring's left column, in the gap", {120, 130, 1, 1}, 2},
        {"the gap between two ordinary cells", {30, 10, 1, 1}, 2},
        {"the gap below a row", {10, 29, 1, 1}, 2},
        {"the last, partial row and the spare one", {0, 300, 281, 30}, 5},
        {"the right margin", {271, 0, 10, 330}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        int drawn = -1;
        const QImage part = GridDrawn(g, cells, selected, size, c.exposed, &drawn);
        EXPECT_EQ(part.copy(c.exposed), all.copy(c.exposed));
        EXPECT_EQ(drawn, c.cells);
    }
    int drawn = -1;
    GridDrawn(g, cells, selected, size, QRect(), &drawn);
    EXPECT_EQ(drawn, 0) << "nothing exposed";
}

} // namespace
