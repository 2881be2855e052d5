// The loaded swatch library: its colours, laid out for the library view, and
// the one selected there. The main window holds it; the library page works on it.
#pragma once

#include "palette/PaletteModel.h"

#include <vector>

struct TLibraryState {
    std::vector<TSwatch> LibrarySwatches;
    int LibrarySelectedSwatch = -1;
    int LibrarySwatchCount() const { return int(LibrarySwatches.size()); }
};
