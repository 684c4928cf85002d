// src/view/pointer_move_win.cpp
// The pointer moving over the canvas: resize edges, the hovered title-bar button (the only
// thing a move repaints for), and the swap hint while Ctrl alone is held.
#include "app/main_window_win.h"
#include "view/launcher_view_win.h"
#include "view/pointer_state_win.h"
#include "view/view_state_win.h"

namespace {

constexpr int kCtrlAlone = 1;

int CanvasWidth(HWND canvas) {
  RECT client{};
  return canvas && GetClientRect(canvas, &client) ? client.right - client.left : 0;
}

void UpdateSwapHint(HWND canvas, int x, int y) {
  view::PointerState& pointer = LauncherPointer();
  const view::ViewState view = CurrentViewState(canvas);
  const view::SwapHint hint =
      view::ComputeSwapHint(view.items, view.categoryPanelWidth, pointer.selectedItemIndex, x, y);
  pointer.swapTarget = hint.target;
  if (hint.setsPartner) pointer.swapPartnerName = hint.partnerName;
  // The hint floats over the window: its place is turned from canvas into window coordinates.
  POINT origin{0, 0};
  MapWindowPoints(canvas, MainWindowHandle(), &origin, 1);
  view::Box place = hint.label;
  place.left += origin.x;
  place.top += origin.y;
  ShowSwapLabel(hint.caption, place);
}

}  // namespace

void CanvasPointerMoved(HWND canvas, int x, int y, int keys) {
  view::PointerState& pointer = LauncherPointer();
  TrackWindowEdge(WindowPoint(canvas, MAKELPARAM(static_cast<short>(x), static_cast<short>(y))));

  const view::HoverUpdate hover = view::UpdateHoveredButton(pointer.hoveredButton, x, y, CanvasWidth(canvas));
  pointer.hoveredButton = hover.hoveredButton;
  if (hover.repaint) PaintLauncher(pointer.selectedItemIndex);
  if (hover.overButton) return;

  if (keys == kCtrlAlone) {
    UpdateSwapHint(canvas, x, y);
  } else {
    HideSwapHint();
  }
}

void HideSwapHint() {
  HideSwapLabel();
  LauncherPointer().swapPartnerName.clear();
}

int SelectedItemIndex() { return LauncherPointer().selectedItemIndex; }
