// src/view/launcher_paint.h
// The whole launcher window as one display list, built from what the view reads at each paint.
#pragma once

#include "view/display_list.h"
#include "view/view_model.h"

namespace view {

// in: the view state (sizes, colours, labels, items, hovered button, highlight).
// out: the drawing commands, back to front: white ground, category column, frame lines, title
// bar with caption, hover box, button labels, items (highlight frame, icon or placeholder, fitted
// name), category labels. Items whose cell starts right of or below the canvas are left out;
// an item without a picture gets a framed placeholder box of the icon size instead.
DisplayList BuildLauncherPaint(const ViewState& state);

}  // namespace view
