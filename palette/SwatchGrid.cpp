#include "palette/SwatchGrid.h"

#include <QPainter>

namespace {

const QColor kOutline(80, 80, 80);

} // namespace

QPoint TSwatchGrid::Origin(std::size_t index) const
{
    const auto columns = std::size_t(Columns());
    return QPoint(int(1 + std::int64_t(cellWidth) * std::int64_t(index % columns)),
                  int(std::int64_t(cellHeight) * std::int64_t(index / columns)));
}

void TSwatchGrid::Layout(std::vector<TSwatch>& cells) const
{
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const QPoint origin = Origin(i);
        cells[i].Left = origin.x();
        cells[i].Top = origin.y();
    }
}

std::int32_t TSwatchGrid::HitTest(const std::vector<TSwatch>& cells, QPoint at) const
{
    const std::int64_t x = at.x(), y = at.y();
    const std::int64_t width = cellWidth - gap, height = cellHeight - gap;
    // Top < y < Top + height, so only cells with y - height < Top < y.
    const auto first =
        std::partition_point(cells.begin(), cells.end(), [&](const TSwatch& s) { return s.Top <= y - height; });
    const auto last = std::partition_point(first, cells.end(), [&](const TSwatch& s) { return s.Top < y; });
    for (auto it = last; it != first;) {
        --it;
        if (it->Left < x && x < it->Left + width && it->Top < y && y < it->Top + height)
            return std::int32_t(it - cells.begin());
    }
    return -1;
}

std::pair<std::size_t, std::size_t> TSwatchGrid::RowsBetween(const std::vector<TSwatch>& cells, std::int32_t y0,
                                                             std::int32_t y1) const
{
    // A cell covers rows Top .. Top + height - 1; a selected one's ring one
    // more on each side: Top - 1 .. Top + height.
    const std::int64_t height = cellHeight - gap;
    const auto first =
        std::partition_point(cells.begin(), cells.end(), [&](const TSwatch& s) { return s.Top + height < y0; });
    const auto last =
        std::partition_point(first, cells.end(), [&](const TSwatch& s) { return std::int64_t(s.Top) - 1 <= y1; });
    return {std::size_t(first - cells.begin()), std::size_t(last - cells.begin())};
}

int TSwatchGrid::Paint(QPainter& p, const std::vector<TSwatch>& cells, std::int32_t selected,
                       const QRect& exposed) const
{
    const int width = cellWidth - gap, height = cellHeight - gap;
    const QColor ringColor(ring);
    const auto [first, last] = RowsBetween(cells, exposed.top(), exposed.bottom());
    int drawn = 0;
    for (std::size_t i = first; i < last; ++i) {
        const TSwatch& s = cells[i];
        if (std::int64_t(s.Left) + width < exposed.left() || std::int64_t(s.Left) - 1 > exposed.right())
            continue;
        const QColor fill(s.Red & 0xFF, s.Green & 0xFF, s.Blue & 0xFF);
        if (std::int64_t(i) == selected) {
            p.fillRect(s.Left - 1, s.Top - 1, width + 2, height + 2, ringColor);
            p.fillRect(s.Left + 2, s.Top + 2, width - 4, height - 4, fill);
        } else {
            p.fillRect(s.Left, s.Top, width, height, kOutline);
            p.fillRect(s.Left + 1, s.Top + 1, width - 2, height - 2, fill);
        }
        ++drawn;
    }
    return drawn;
}
