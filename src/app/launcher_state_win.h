// src/app/launcher_state_win.h
// The launcher's view-side steps that start-up calls by name: theme, last category, painting,
// the edge watcher, the donation panel. Filled in as those parts of the program arrive.
#pragma once

void ApplyThemeAtStart();
void ReopenLastCategoryAtStart();
void PaintLauncher(int highlight);
void ClearEdgeHidingState();
void StartEdgeWatcher();
void ShowDonationPanel();
