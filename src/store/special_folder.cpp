// src/store/special_folder.cpp
#include "store/item_store.h"

GbkText WithTrailingBackslash(const GbkText& path) {
  if (path.empty() || path.back() == '\\') return path;
  return path + "\\";
}
