// src/app/launcher_state_win.cpp
#include "app/launcher_state_win.h"

void ReopenLastCategoryAtStart() {}
void ShowDonationPanel() {}
