// src/commands/drop_target_win.h
// Files dropped on the launcher canvas become items.
#pragma once

// Removes and installs the drop hook on the canvas "画板2" (start-up and "修复拖拽异常").
void InstallCanvasDrop();
