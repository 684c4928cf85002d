// src/app/launcher_state_win.cpp
#include "app/launcher_state_win.h"

#include "app/running_settings.h"
#include "store/category_catalogue.h"

void ReopenLastCategoryAtStart() {
  SetLabelBackground(Running().background);
  ReopenLastCategory();
}
void ShowDonationPanel() {}
