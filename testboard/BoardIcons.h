// The test board's small pictures, drawn in code so that the board needs no
// picture files: one for each sub-page's button, the "?" badge and one for
// each drawing tool.
#pragma once

#include "testboard/Drawing.h"

#include <QPixmap>

namespace BoardIcons {

// 17 x 17, for the page buttons.
QPixmap TextPage();
QPixmap FreeHandPage();
QPixmap ShapesPage();
QPixmap PatternsPage();
// 17 x 17, the picture that opens the board's tip.
QPixmap HelpBadge();
// 16 x 16, for the drawing tool list.
QPixmap Tool(TDrawTool tool);

} // namespace BoardIcons
