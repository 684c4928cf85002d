// src/view/click_sound_win.h
#pragma once

// Plays the click of a picked item once, asynchronously from the program's own bytes, unless
// "关闭声音" is checked.
void PlayClickSound();
