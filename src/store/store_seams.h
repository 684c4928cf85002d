// src/store/store_seams.h
// What the category catalogue and the item store ask of the rest of the program: the running
// grid values, the titled Yes/No box, the window caption, painting, sound, focus, icon pictures,
// the shortcut writer and the item maker. The application connects them at start-up. A seam
// left empty does nothing (a question is answered No, the grid values are 64, 16 and 0), so the
// store also runs without a window.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "store/gbk_text.h"

// A picture of the window layer (a bitmap handle there), 0 for none; the store only keeps and
// releases it.
using ItemPictureHandle = std::uintptr_t;

// What a temporary shortcut must hold; written with window style 0, no description, no hotkey.
struct ShortcutRequest {
  GbkText shortcutPath;  // ends in ".lnk"
  GbkText target;
  GbkText arguments;     // empty for none
  GbkText iconLocation;  // may be empty
};

// The running grid values that the display preferences own.
struct GridValues {
  int32_t iconSize = 64;    // S, pixels
  int32_t nameLength = 16;  // L, bytes of a name shown
  int32_t columns = 0;      // C; a reload turns 0 into 2
};

struct StoreSeams {
  // The running grid values, and the change of the running column count a reload makes.
  std::function<GridValues()> gridValues;
  std::function<void(int32_t columns)> setColumnCount;
  // Yes/No message box with a title of its own; true for Yes.
  std::function<bool(const GbkText& text, const GbkText& title)> askYesNo;
  // The main window's caption (painted in the launcher's title bar).
  std::function<void(const GbkText& caption)> setCaption;
  // Let pending window messages run.
  std::function<void()> letMessagesRun;
  // Copy the back buffer's last picture onto the launcher canvas.
  std::function<void()> showBackBuffer;
  // Repaint the whole launcher with no item highlighted.
  std::function<void()> paintLauncher;
  // Whether the menu item "关闭声音" is checked.
  std::function<bool()> soundsOff;
  // Play the load sound once, asynchronously.
  std::function<void()> playLoadSound;
  // Give the keyboard focus to the launcher canvas.
  std::function<void()> focusCanvas;
  // The picture of a cached icon file as the launcher paints it: size x size, opaque, white
  // where the icon is transparent (LoadItemPicture). 0 when the file is not an image it reads.
  std::function<ItemPictureHandle(const std::string& cacheFile, int32_t size)> loadItemPicture;
  // Frees a picture that loadItemPicture made.
  std::function<void(ItemPictureHandle picture)> releaseItemPicture;
  // Write a shortcut file (WriteShortcut); true when it was saved.
  std::function<bool(const ShortcutRequest& request)> writeShortcut;
  // Make or refresh an item from a path, caching its icon (AddItemFromPath).
  std::function<void(const GbkText& path)> addItemFromPath;
};

// The seams in use; replaced whole (tests install fakes the same way).
void SetStoreSeams(StoreSeams seams);
const StoreSeams& CurrentStoreSeams();

// Calls through the current seams, with the defaults above for a seam left empty.
namespace seam {
GridValues CurrentGridValues();
void SetColumnCount(int32_t columns);
bool AskYesNo(const GbkText& text, const GbkText& title);
void SetCaption(const GbkText& caption);
void LetMessagesRun();
void ShowBackBuffer();
void PaintLauncher();
bool SoundsOff();
void PlayLoadSound();
void FocusCanvas();
ItemPictureHandle LoadItemPicture(const std::string& cacheFile, int32_t size);
void ReleaseItemPicture(ItemPictureHandle picture);
bool WriteShortcut(const ShortcutRequest& request);
void AddItemFromPath(const GbkText& path);
}  // namespace seam
