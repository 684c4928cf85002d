// src/commands/drop_registry.h
// The windows that accept dropped files: one DropRegistration per window, in the order they were
// hooked, holding what the hook replaced so that it can be put back. Also the parts of a drop
// that need no window: the extension handed to the callback and the hand-over of one drop's
// paths, one call per file.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "store/gbk_text.h"

// Called once per dropped file, in drop order: the number of files in the drop, this file's
// 1-based position, its full path and its extension (DropExtension). The drop target does not
// use the answer.
using DropCallback = int32_t (*)(int32_t count, int32_t position, const GbkText& path, const GbkText& extension);

struct DropRegistration {
  std::uintptr_t window = 0;           // the window handle
  DropCallback callback = nullptr;
  std::uint32_t savedExStyle = 0;      // extended style before the hook
  std::uintptr_t savedWindowProc = 0;  // window procedure before the hook
};

// A window appears at most once.
class DropTargetRegistry {
 public:
  // 1-based position of the window's registration; 0 when it has none.
  size_t Find(std::uintptr_t window) const;
  // A copy, so that the caller keeps it whatever the list does meanwhile.
  std::optional<DropRegistration> Lookup(std::uintptr_t window) const;
  // Appends the registration; false (and nothing changed) when its window is already there.
  bool Add(const DropRegistration& registration);
  // Takes the window's registration out (the later ones move up); nothing when it had none.
  std::optional<DropRegistration> Remove(std::uintptr_t window);
  const std::vector<DropRegistration>& Entries() const { return entries_; }

 private:
  std::vector<DropRegistration> entries_;
};

// The process-wide registry, empty at start.
DropTargetRegistry& ProcessDropRegistry();

// The text after the path's last "."; the whole path when it has none.
GbkText DropExtension(const GbkText& path);

// Hands one drop to the callback. Paths that read as empty (unreadable, or too long to be read
// whole) are left out before counting, so the files that are handed over are numbered 1..count
// and the last of them always carries position == count: a skipped last file cannot keep the
// launcher from reloading after the others.
void DeliverDroppedFiles(const std::vector<GbkText>& paths, DropCallback callback);
