// src/app/store_wiring_win.h
#pragma once

// Connects the catalogue and the item store to the window, the menus, the sounds, the icon
// pictures, the shortcut writer and the item maker (start-up, before the settings load).
void ConnectStoreToProgram();
