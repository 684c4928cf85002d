// src/view/click_sound_win.cpp
#include "view/click_sound_win.h"

#include <windows.h>
#include <mmsystem.h>

#include "app/menus_win.h"
#include "resources/media.h"

void PlayClickSound() {
  if (MenuCheckMarks().isChecked(Command::kSoundsOff)) return;
  const media::FileBytes sound = media::ClickSound();
  if (sound.empty()) return;
  // The bytes live as long as the program, as an asynchronous play from memory needs.
  PlaySoundA(reinterpret_cast<LPCSTR>(sound.data()), nullptr, SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
}
