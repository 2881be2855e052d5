// The rules behind the colour model page, free of widgets: where the markers
// of the square and the hue tracker go for a colour, how the images are
// stretched onto their boxes, the marker and frame drawings, and the mixer's
// darker/lighter steps with their hit test.
//
// Every picture here is built in the boxes' own (logical) pixels; a box shows
// it one to one, or through ScaleToDevice on a high-density screen.
#pragma once

#include "color/ColorConv.h"

#include <QImage>
#include <array>

// Sizes of the colour model page's boxes, in their own pixels.
constexpr int ModelBoxSize = 220; // the square is 220 x 220
constexpr int TrackerBoxWidth = 20; // the tracker is 20 x 220
constexpr int TrackerBoxHeight = 220;
constexpr int MixerBoxWidth = 252;
constexpr int MixerBoxHeight = 23;
constexpr int MixerCellCount = 12;
constexpr int MixerCellSize = 20; // border included
constexpr int MixerCellPitch = 21; // cell plus one-pixel gap

// A pointer position on the square or the tracker, limited to 0..219.
int LimitModelPosition(int v);

// Nearest-neighbour source index for a displayed index:
// floor(display * sourceSize / displaySize).
int StretchSourceIndex(int display, int sourceSize, int displaySize);

// Copies `source` onto `target` (whose size is kept) by whole source pixels.
void StretchNearest(const QImage& source, QImage& target);

// Where the markers stand for a colour, and the hue the square shows.
struct TMarkerPlaces {
    int ModelX = 0;
    int ModelY = 0;
    int TrackerY = 0;
    TRgbColor HueColor;
};
TMarkerPlaces PlaceMarkers(const TRgbColor& color);

// The row of the tracker whose strip colour equals `hueColor` (the last one
// when the search would find several), 0 when none does.
int TrackerRowOf(const TRgbColor& hueColor);

// Dark grey on light colours (channel sum above 400), light grey otherwise.
QRgb MarkerColorFor(const TRgbColor& color);

// The 9 x 9 outline around (x, y), clipped to the image.
void DrawModelMarker(QImage& square, int x, int y, QRgb color);

// The 20 x 5 frame around tracker row `y`, clipped to the image.
void DrawTrackerFrame(QImage& tracker, int y);

// The mixer strip.
struct TMixerCell {
    std::int32_t Red = 0;
    std::int32_t Green = 0;
    std::int32_t Blue = 0;
    std::int32_t Left = 0;
    friend bool operator==(const TMixerCell&, const TMixerCell&) = default;
};
using TMixerCells = std::array<TMixerCell, MixerCellCount>;

// Twelve cumulative steps from `start`, toward dark or toward light.
TMixerCells MixerSteps(const TRgbColor& start, bool darker);

// The cell whose inside holds column x (its left border and the gap after it
// hold none), or -1.
int MixerCellAt(const TMixerCells& cells, int x);

// Draws the twelve framed cells on a transparent 252 x 23 strip.
void DrawMixerStrip(QImage& strip, const TMixerCells& cells);

// The picture of a box for a screen with `ratio` device pixels per box pixel:
// each device pixel shows the box pixel it lies in, floor(device / ratio),
// so a scaled box shows exactly the colours of the unscaled one.
QImage ScaleToDevice(const QImage& logical, qreal ratio);
