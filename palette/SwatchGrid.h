// A grid of swatch cells in a view of fixed width, as the palette view, the
// library view and the two lists of grabbed colours show their rows.
//
// Cells are laid out row by row, left to right: the first column 1 pixel in
// from the view's left edge, the first row at its top. A cell is drawn as a
// square `gap` pixels smaller than its place, so `gap` blank pixels separate
// neighbours: a 1-pixel outline of RGB(80, 80, 80) around the swatch's
// colour (the low 8 bits of each channel), or for the selected cell a
// 3-pixel ring centred on that outline. The view is one row taller than its
// completely filled rows.
#pragma once

#include "palette/Swatch.h"

#include <QColor>
#include <QPoint>
#include <QRect>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

class QPainter;

struct TSwatchGrid {
    int cellWidth = 30; // from one cell's left edge to the next one's
    int cellHeight = 30;
    int viewWidth = 0; // sets how many cells a row holds
    int gap = 1; // blank pixels between two drawn cells
    QRgb ring = qRgb(250, 250, 250); // the selected cell's ring

    // Cells a row: as many as fit the view's width, at least one.
    constexpr int Columns() const { return cellWidth > 0 ? std::max(1, viewWidth / cellWidth) : 1; }
    // The top-left corner of cell `index` in the layout.
    QPoint Origin(std::size_t index) const;
    // Sets Left and Top of every cell from its index.
    void Layout(std::vector<TSwatch>& cells) const;
    // One row more than the completely filled rows: an empty grid is one row high.
    constexpr std::int32_t ViewHeight(std::size_t count) const
    {
        return std::int32_t((std::int64_t(count) / Columns() + 1) * cellHeight);
    }
    // The square drawn for `cell`, its outline included (a selected cell's
    // ring reaches one pixel further on every side).
    QRect CellRect(const TSwatch& cell) const { return QRect(cell.Left, cell.Top, cellWidth - gap, cellHeight - gap); }

    // The functions below take cells as Layout places them: Top never
    // decreases along the list, which lets them skip to the rows concerned.

    // Index of the cell that holds `at` past its top and left outline, up to
    // and including its right and bottom outline: Left < x < Left + width -
    // gap, the same downwards. When several do, the last one in the list;
    // -1 when none does.
    std::int32_t HitTest(const std::vector<TSwatch>& cells, QPoint at) const;
    // Indexes [first, last) of the cells whose drawing, a selected cell's
    // ring included, reaches into rows y0..y1.
    std::pair<std::size_t, std::size_t> RowsBetween(const std::vector<TSwatch>& cells, std::int32_t y0,
                                                    std::int32_t y1) const;
    // Draws the cells whose square, one pixel larger on every side for a
    // ring, reaches into `exposed`; cell `selected` (-1 for none) with the
    // ring. Returns how many cells it drew.
    int Paint(QPainter& painter, const std::vector<TSwatch>& cells, std::int32_t selected, const QRect& exposed) const;
};
