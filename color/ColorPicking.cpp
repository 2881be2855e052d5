#include "color/ColorPicking.h"

#include <algorithm>
#include <cmath>
#include <vector>

int LimitModelPosition(int v)
{
    if (v > ModelBoxSize - 1)
        return ModelBoxSize - 1;
    if (v < 0)
        return 0;
    return v;
}

int StretchSourceIndex(int display, int sourceSize, int displaySize)
{
    // Whole numbers throughout: no rounding can move a boundary.
    return int((long long)display * sourceSize / displaySize);
}

void StretchNearest(const QImage& source, QImage& target)
{
    const int sw = source.width(), sh = source.height();
    const int tw = target.width(), th = target.height();
    if (sw <= 0 || sh <= 0 || tw <= 0 || th <= 0)
        return;
    const QImage src = source.format() == target.format() ? source : source.convertToFormat(target.format());
    std::vector<int> column(tw);
    for (int x = 0; x < tw; ++x)
        column[x] = StretchSourceIndex(x, sw, tw);
    int lastRow = -1;
    for (int y = 0; y < th; ++y) {
        const int sy = StretchSourceIndex(y, sh, th);
        QRgb* out = reinterpret_cast<QRgb*>(target.scanLine(y));
        if (sy == lastRow) {
            // Same source row as the line above: copy that line.
            std::copy_n(reinterpret_cast<const QRgb*>(target.constScanLine(y - 1)), tw, out);
            continue;
        }
        const QRgb* in = reinterpret_cast<const QRgb*>(src.constScanLine(sy));
        for (int x = 0; x < tw; ++x)
            out[x] = in[column[x]];
        lastRow = sy;
    }
}

int TrackerRowOf(const TRgbColor& hueColor)
{
    // The tracker's 220 rows stand for the 360 strip entries i (hue 359 - i).
    int row = 0;
    for (int i = 0; i <= 359; ++i) {
        if (PureHueColor(359 - i) == hueColor) {
            const long double place = (long double)i * 219 / 359;
            row = LimitModelPosition(RoundHalfEven(place));
        }
    }
    return row;
}

TMarkerPlaces PlaceMarkers(const TRgbColor& color)
{
    const THsbColor hsb = RgbToHsb(color);
    TMarkerPlaces m;
    m.ModelX = LimitModelPosition(RoundHalfEven(hsb.Saturation * 219 / 100));
    m.ModelY = LimitModelPosition(RoundHalfEven((100 - hsb.Brightness) * 219 / 100));
    long double hue = hsb.Hue;
    if (hue == 360)
        hue = 0;
    // Black has hue -1, whose pure colour is the one of hue 359.
    m.HueColor = PureHueColor(hue);
    m.TrackerY = TrackerRowOf(m.HueColor);
    return m;
}

QRgb MarkerColorFor(const TRgbColor& color)
{
    if (color.Red + color.Green + color.Blue > 400)
        return qRgb(40, 40, 40);
    return qRgb(240, 240, 240);
}

namespace {

void HLine(QImage& image, int x0, int x1, int y, QRgb color)
{
    if (y < 0 || y >= image.height())
        return;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, image.width() - 1);
    QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = x0; x <= x1; ++x)
        line[x] = color;
}

void VLine(QImage& image, int x, int y0, int y1, QRgb color)
{
    if (x < 0 || x >= image.width())
        return;
    y0 = std::max(y0, 0);
    y1 = std::min(y1, image.height() - 1);
    for (int y = y0; y <= y1; ++y)
        reinterpret_cast<QRgb*>(image.scanLine(y))[x] = color;
}

} // namespace

void DrawModelMarker(QImage& square, int x, int y, QRgb color)
{
    // A closed outline through the four corners (x +- 4, y +- 4).
    HLine(square, x - 4, x + 4, y - 4, color);
    HLine(square, x - 4, x + 4, y + 4, color);
    VLine(square, x - 4, y - 4, y + 4, color);
    VLine(square, x + 4, y - 4, y + 4, color);
}

void DrawTrackerFrame(QImage& tracker, int y)
{
    // Four lines drawn without their end pixels: the two full-width rows
    // y - 2 and y + 2 and the side columns 0 and 19 from y - 2 to y + 1.
    const QRgb frame = qRgb(20, 20, 20);
    HLine(tracker, 0, 19, y - 2, frame);
    VLine(tracker, 0, y - 2, y + 1, frame);
    HLine(tracker, 0, 19, y + 2, frame);
    VLine(tracker, 19, y - 2, y + 1, frame);
}

TMixerCells MixerSteps(const TRgbColor& start, bool darker)
{
    TMixerCells cells;
    std::int32_t c[3] = {start.Red, start.Green, start.Blue};
    for (int i = 0; i < MixerCellCount; ++i) {
        const int d = 12 - i;
        for (std::int32_t& v : c) {
            if (v > 0) {
                if (darker)
                    v = v - RoundHalfEven((long double)v / d) + 5;
                else
                    v = v + (2 * d - 1);
            }
            v = std::clamp<std::int32_t>(v, 0, 255);
        }
        cells[i] = {c[0], c[1], c[2], MixerCellPitch * i};
    }
    return cells;
}

int MixerCellAt(const TMixerCells& cells, int x)
{
    for (int i = 0; i < MixerCellCount; ++i)
        if (cells[i].Left < x && x < cells[i].Left + MixerCellSize)
            return i;
    return -1;
}

void DrawMixerStrip(QImage& strip, const TMixerCells& cells)
{
    if (strip.size() != QSize(MixerBoxWidth, MixerBoxHeight) || strip.format() != QImage::Format_ARGB32_Premultiplied)
        strip = QImage(MixerBoxWidth, MixerBoxHeight, QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    const QRgb black = qRgb(0, 0, 0);
    for (const TMixerCell& cell : cells) {
        const QRgb fill = qRgb(cell.Red & 0xFF, cell.Green & 0xFF, cell.Blue & 0xFF);
        const int left = cell.Left, right = cell.Left + MixerCellSize - 1;
        for (int y = 1; y < MixerCellSize - 1; ++y)
            HLine(strip, left + 1, right - 1, y, fill);
        HLine(strip, left, right, 0, black);
        HLine(strip, left, right, MixerCellSize - 1, black);
        VLine(strip, left, 0, MixerCellSize - 1, black);
        VLine(strip, right, 0, MixerCellSize - 1, black);
    }
}

QImage ScaleToDevice(const QImage& logical, qreal ratio)
{
    if (logical.isNull() || !(ratio > 0) || ratio == 1) {
        QImage same = logical;
        same.setDevicePixelRatio(1);
        return same;
    }
    const int w = int(std::ceil(logical.width() * ratio - 1e-9));
    const int h = int(std::ceil(logical.height() * ratio - 1e-9));
    // Device pixel d lies in box pixel floor(d / ratio); the small allowance
    // keeps ratios such as 1.1 from pushing an exact boundary one pixel back.
    auto boxPixel = [ratio](int d, int limit) { return std::min(int(std::floor(d / ratio + 1e-9)), limit - 1); };
    std::vector<int> column(w);
    for (int x = 0; x < w; ++x)
        column[x] = boxPixel(x, logical.width());
    QImage device(w, h, logical.format());
    for (int y = 0; y < h; ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(logical.constScanLine(boxPixel(y, logical.height())));
        QRgb* out = reinterpret_cast<QRgb*>(device.scanLine(y));
        for (int x = 0; x < w; ++x)
            out[x] = in[column[x]];
    }
    device.setDevicePixelRatio(ratio);
    return device;
}
