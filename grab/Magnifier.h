// The arithmetic of the zoom window's magnifier, apart from any window:
// which screen rectangle is enlarged into the live picture, where the colour
// under the pointer is read, and where the crosshair goes.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

struct TMagnifierStep {
    int d = 0; // 4 x (zoom position + 1)
    int dx = 0; // half the source width: picture width / d, halves to even
    int dy = 0; // half the source height
    QRect source; // screen pixels enlarged into the picture, kept on the desktop
    QPoint sample; // picture pixel read as the colour under the pointer
    QPoint cross; // centre of the crosshair, one pixel left of and above `sample`
};

// One step for zoom position `zoom` (0..10), a picture of `picture` pixels,
// the pointer at `pointer` and a virtual desktop of `desktop` pixels. The
// pointer's place in the picture uses the nominal enlargement 2 x (zoom + 1).
TMagnifierStep MagnifierStep(int zoom, QSize picture, QPoint pointer, QSize desktop);

// Fills all of `picture` from `source`, each source pixel becoming a block
// of equal pixels: picture pixel x shows source column x * sw / pw, rounded down.
void EnlargeNearest(const QImage& source, QImage& picture);

// Black one-pixel lines through `centre`: across from centre.x - width/4 and
// down from centre.y - height/4, each up to but not including the point as
// far on the other side.
void DrawCrosshair(QImage& picture, QPoint centre);

// What a tick put into the live picture. A tick that would put the same
// again (same screen pixels, pointer, zoom, picture size and crosshair)
// leaves the picture and the preview alone and repaints nothing.
struct TMagnifierFrame {
    QImage source;
    QPoint pointer;
    int zoom = -1;
    QSize picture;
    bool crosshair = false;

    bool sameAs(const TMagnifierFrame& other) const
    {
        return zoom == other.zoom && pointer == other.pointer && picture == other.picture
            && crosshair == other.crosshair && !source.isNull() && source == other.source;
    }
    void forget() { *this = TMagnifierFrame(); }
};
