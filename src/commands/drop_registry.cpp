// src/commands/drop_registry.cpp
#include "commands/drop_registry.h"

#include <algorithm>

size_t DropTargetRegistry::Find(std::uintptr_t window) const {
  auto at = std::find_if(entries_.begin(), entries_.end(),
                         [window](const DropRegistration& r) { return r.window == window; });
  return at == entries_.end() ? 0 : static_cast<size_t>(at - entries_.begin()) + 1;
}

std::optional<DropRegistration> DropTargetRegistry::Lookup(std::uintptr_t window) const {
  const size_t position = Find(window);
  if (position == 0) return std::nullopt;
  return entries_[position - 1];
}

bool DropTargetRegistry::Add(const DropRegistration& registration) {
  if (Find(registration.window) != 0) return false;
  entries_.push_back(registration);
  return true;
}

std::optional<DropRegistration> DropTargetRegistry::Remove(std::uintptr_t window) {
  const size_t position = Find(window);
  if (position == 0) return std::nullopt;
  DropRegistration removed = entries_[position - 1];
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(position - 1));
  return removed;
}

DropTargetRegistry& ProcessDropRegistry() {
  static DropTargetRegistry registry;
  return registry;
}

GbkText DropExtension(const GbkText& path) {
  // "." is never the second byte of a double-byte character, so the last one is a real dot.
  const size_t dot = path.rfind('.');
  return dot == GbkText::npos ? path : path.substr(dot + 1);
}

void DeliverDroppedFiles(const std::vector<GbkText>& paths, DropCallback callback) {
  if (callback == nullptr) return;
  std::vector<const GbkText*> readable;
  for (const GbkText& path : paths)
    if (!path.empty()) readable.push_back(&path);
  const auto count = static_cast<int32_t>(readable.size());
  for (int32_t position = 1; position <= count; ++position) {
    const GbkText& path = *readable[static_cast<size_t>(position) - 1];
    callback(count, position, path, DropExtension(path));
  }
}
