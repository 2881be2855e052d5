#include "grab/Magnifier.h"

#include "color/ColorConv.h"

#include <algorithm>
#include <vector>

TMagnifierStep MagnifierStep(int zoom, QSize picture, QPoint pointer, QSize desktop)
{
    TMagnifierStep s;
    s.d = 4 * (zoom + 1);
    s.dx = RoundHalfEven(static_cast<long double>(picture.width()) / s.d);
    s.dy = RoundHalfEven(static_cast<long double>(picture.height()) / s.d);

    int left = pointer.x() - s.dx;
    int top = pointer.y() - s.dy;
    int right = pointer.x() + s.dx;
    int bottom = pointer.y() + s.dy;
    if (left < 0) {
        right -= left;
        left = 0;
    }
    if (top < 0) {
        bottom -= top;
        top = 0;
    }
    if (right > desktop.width()) {
        left -= right - desktop.width();
        right = desktop.width();
    }
    if (bottom > desktop.height()) {
        top -= bottom - desktop.height();
        bottom = desktop.height();
    }
    s.source = QRect(left, top, right - left, bottom - top);

    const int scale = 2 * (zoom + 1);
    s.cross = QPoint(scale * (pointer.x() - left), scale * (pointer.y() - top));
    s.sample = s.cross + QPoint(1, 1);
    return s;
}

void EnlargeNearest(const QImage& source, QImage& picture)
{
    const int pw = picture.width(), ph = picture.height();
    const int sw = source.width(), sh = source.height();
    if (pw <= 0 || ph <= 0)
        return;
    if (sw <= 0 || sh <= 0) {
        picture.fill(Qt::black);
        return;
    }
    const QImage src = source.format() == QImage::Format_RGB32 ? source : source.convertToFormat(QImage::Format_RGB32);
    std::vector<int> column(static_cast<size_t>(pw));
    for (int x = 0; x < pw; ++x)
        column[size_t(x)] = int(static_cast<long long>(x) * sw / pw);
    int lastRow = -1;
    for (int y = 0; y < ph; ++y) {
        const int sy = int(static_cast<long long>(y) * sh / ph);
        auto* dst = reinterpret_cast<QRgb*>(picture.scanLine(y));
        if (sy == lastRow) {
            // Same source row as the line above: copy it.
            std::copy_n(reinterpret_cast<const QRgb*>(picture.constScanLine(y - 1)), pw, dst);
            continue;
        }
        const auto* row = reinterpret_cast<const QRgb*>(src.constScanLine(sy));
        for (int x = 0; x < pw; ++x)
            dst[x] = row[column[size_t(x)]];
        lastRow = sy;
    }
}

void DrawCrosshair(QImage& picture, QPoint centre)
{
    const int w = picture.width(), h = picture.height();
    const QRgb black = qRgb(0, 0, 0);
    const int cx = centre.x(), cy = centre.y();
    if (cy >= 0 && cy < h) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(cy));
        for (int x = std::max(0, cx - w / 4); x < std::min(w, cx + w / 4); ++x)
            line[x] = black;
    }
    if (cx >= 0 && cx < w)
        for (int y = std::max(0, cy - h / 4); y < std::min(h, cy + h / 4); ++y)
            reinterpret_cast<QRgb*>(picture.scanLine(y))[cx] = black;
}
