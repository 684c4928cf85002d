// src/commands/drop_target_win.cpp
#include "commands/drop_target_win.h"

#include <shellapi.h>

#include <string>
#include <vector>

#include "app/creation_sequence_win.h"
#include "app/main_window_win.h"
#include "commands/drop_intake.h"
#include "icons/item_intake.h"
#include "platform/message_box.h"
#include "store/item_store.h"

namespace {

// DragQueryFileA reads into a buffer of this size; a longer path would come back cut short and
// name another file, so it is read as empty and skipped.
constexpr UINT kDropPathBuffer = 260;

std::uintptr_t Key(HWND window) { return reinterpret_cast<std::uintptr_t>(window); }

std::vector<GbkText> DroppedPaths(HDROP drop) {
  const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  std::vector<GbkText> paths;
  paths.reserve(count);
  for (UINT index = 0; index < count; ++index) {
    char path[kDropPathBuffer] = {};
    const UINT needed = DragQueryFileA(drop, index, nullptr, 0);
    UINT length = 0;
    if (needed > 0 && needed < kDropPathBuffer) length = DragQueryFileA(drop, index, path, kDropPathBuffer);
    paths.emplace_back(path, length < kDropPathBuffer ? length : 0);
  }
  return paths;
}

class ProgramDropIntake : public DropIntakeSystem {
 public:
  std::vector<GbkText> ItemNames() override {
    std::vector<GbkText> names;
    for (const ItemRecord& item : GetItemTable()) names.push_back(item.name);
    return names;
  }
  void SetDialogFlag(int value) override { DialogOpenFlag() = value; }
  void ShowMessage(const GbkText& text) override { ::ShowMessage(text); }
  void AddItemFromPath(const GbkText& path) override { ::AddItemFromPath(path); }
  void ReloadItems() override { ::ReloadItems(); }
};

}  // namespace

void DropTarget::installDropHook(HWND window, DropCallback callback) {
  DropTargetRegistry& registry = ProcessDropRegistry();
  if (!IsWindow(window) || registry.Find(Key(window)) != 0) return;
  DropRegistration registration;
  registration.window = Key(window);
  registration.callback = callback;
  registration.savedExStyle = static_cast<std::uint32_t>(GetWindowLongPtrA(window, GWL_EXSTYLE));
  SetWindowLongPtrA(window, GWL_EXSTYLE, static_cast<LONG_PTR>(registration.savedExStyle | WS_EX_ACCEPTFILES));
  // Registered before the procedure is swapped, so that the first message finds it.
  registration.savedWindowProc = static_cast<std::uintptr_t>(GetWindowLongPtrA(window, GWLP_WNDPROC));
  registry.Add(registration);
  SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DropHookWindowProc));
}

void DropTarget::removeDropHook(HWND window) {
  std::optional<DropRegistration> removed = ProcessDropRegistry().Lookup(Key(window));
  if (!removed) return;
  SetWindowLongPtrA(window, GWLP_WNDPROC, static_cast<LONG_PTR>(removed->savedWindowProc));
  SetWindowLongPtrA(window, GWL_EXSTYLE, static_cast<LONG_PTR>(removed->savedExStyle));
  ProcessDropRegistry().Remove(Key(window));
}

LRESULT CALLBACK DropHookWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // A copy: a callback may show boxes, and whatever runs meanwhile may change the registry.
  const std::optional<DropRegistration> registration = ProcessDropRegistry().Lookup(Key(window));
  if (!registration) return 1;
  if (message != WM_DROPFILES) {
    const LRESULT result =
        CallWindowProcA(reinterpret_cast<WNDPROC>(registration->savedWindowProc), window, message, wParam, lParam);
    // A destroyed window's handle may come back for a new window, which must not look hooked.
    if (message == WM_NCDESTROY) ProcessDropRegistry().Remove(Key(window));
    return result;
  }
  HDROP drop = reinterpret_cast<HDROP>(wParam);
  const std::vector<GbkText> paths = DroppedPaths(drop);
  // Released before the callback runs: the paths are ours now, and a callback that shows boxes
  // must not hold the drop's memory meanwhile.
  DragFinish(drop);
  DeliverDroppedFiles(paths, registration->callback);
  return 1;
}

int32_t LauncherDropCallback(int32_t count, int32_t position, const GbkText& path, const GbkText&) {
  static DropIntake intake;
  ProgramDropIntake system;
  return intake.TakeFile(system, count, position, path);
}

void InstallCanvasDrop() {
  DropTarget target;
  target.removeDropHook(CanvasHandle());
  target.installDropHook(CanvasHandle(), LauncherDropCallback);
  target.release();
}
