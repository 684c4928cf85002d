// src/store/store_seams.cpp
#include "store/store_seams.h"

#include <utility>

namespace {
StoreSeams g_seams;
}  // namespace

void SetStoreSeams(StoreSeams seams) { g_seams = std::move(seams); }
const StoreSeams& CurrentStoreSeams() { return g_seams; }

namespace seam {

GridValues CurrentGridValues() { return g_seams.gridValues ? g_seams.gridValues() : GridValues{}; }
void SetColumnCount(int32_t columns) {
  if (g_seams.setColumnCount) g_seams.setColumnCount(columns);
}

bool AskYesNo(const GbkText& text, const GbkText& title) {
  return g_seams.askYesNo ? g_seams.askYesNo(text, title) : false;
}
void SetCaption(const GbkText& caption) {
  if (g_seams.setCaption) g_seams.setCaption(caption);
}
void LetMessagesRun() {
  if (g_seams.letMessagesRun) g_seams.letMessagesRun();
}
void ShowBackBuffer() {
  if (g_seams.showBackBuffer) g_seams.showBackBuffer();
}
void PaintLauncher() {
  if (g_seams.paintLauncher) g_seams.paintLauncher();
}
bool SoundsOff() { return g_seams.soundsOff ? g_seams.soundsOff() : false; }
void PlayLoadSound() {
  if (g_seams.playLoadSound) g_seams.playLoadSound();
}
void FocusCanvas() {
  if (g_seams.focusCanvas) g_seams.focusCanvas();
}
ItemPictureHandle LoadItemPicture(const std::string& cacheFile, int32_t size) {
  return g_seams.loadItemPicture ? g_seams.loadItemPicture(cacheFile, size) : 0;
}
void ReleaseItemPicture(ItemPictureHandle picture) {
  if (picture != 0 && g_seams.releaseItemPicture) g_seams.releaseItemPicture(picture);
}
bool WriteShortcut(const ShortcutRequest& request) {
  return g_seams.writeShortcut ? g_seams.writeShortcut(request) : false;
}
void AddItemFromPath(const GbkText& path) {
  if (g_seams.addItemFromPath) g_seams.addItemFromPath(path);
}

}  // namespace seam
