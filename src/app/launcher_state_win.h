// src/app/launcher_state_win.h
// Start-up steps whose work arrives with later parts of the program; start-up calls them here.
#pragma once

// Opens the category named by "上次打开" and loads its items.
void ReopenLastCategoryAtStart();
// The donation panel, shown once about 100 ms after the very first start.
void ShowDonationPanel();
