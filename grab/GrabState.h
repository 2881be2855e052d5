// The colours grabbed from the screen in a run. The main window owns them;
// the "Grab Colors" page and the zoom window work on them.
#pragma once

#include "color/ColorConv.h"
#include "palette/PaletteModel.h"

#include <vector>

struct TGrabState {
    // Their cells in the list on the "Grab Colors" page: 30 pixels, seven a row.
    static constexpr TSwatchGrid Grid{30, 30, 232};

    std::vector<TSwatch> GrabbedColors;
    int GrabbedSelection = -1;
    TRgbColor SampledColor{0, 0, 0}; // last colour the zoom window sampled; lasts for the run
};
