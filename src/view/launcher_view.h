// src/view/launcher_view.h
// The launcher view: painting the whole window, the pointer on the painted surface, window
// placement with edge docking, and colour themes. This header gathers what the window layer
// calls; every function here is portable and pure, and the window layer owns the state structs.
//
//   Paint:   fill a ViewState from the catalogue, the item table and the settings, then replay
//            BuildLauncherPaint(state) onto the back buffer and copy it to the canvas.
//   Pointer: on a move, ResizeZoneAt + CursorForZone, then UpdateHoveredButton (repaint only when
//            it says so) and, with Ctrl alone held, ComputeSwapHint; on a left press,
//            EdgeCodeForZone for the drag, then LeftPressTarget; on a right press, PlanRightPress.
//   Window:  EnforceMinimumSize and RoundedOutline on a size change; GeometrySaveGate for the
//            delayed save; EdgeWatcherStep every 300 ms; ShowFromEdge and HideToEdge for the tray
//            and the hotkey.
//   Themes:  DeriveTheme after the background colour changes; RandomBackground and
//            LimitPickedColour for the two colour commands.
#pragma once

#include "view/colour_theme.h"
#include "view/display_list.h"
#include "view/edge_watcher.h"
#include "view/fit_name.h"
#include "view/launcher_layout.h"
#include "view/launcher_paint.h"
#include "view/pointer_hit.h"
#include "view/title_bar.h"
#include "view/view_model.h"
#include "view/view_texts.h"
#include "view/window_geometry.h"
