#include "app/window_placement.h"

#include <windows.h>

#include "base/globals.h"
#include "base/settings_store.h"

void RestoreWindowPlacement(int* showCommand) {
  WINDOWPLACEMENT placement{};
  if (!ReadPlacementSetting(&placement)) return;
  *showCommand = static_cast<int>(placement.showCmd);
  SetWindowPlacement(mainWindow, &placement);
}

void SaveWindowPlacement() {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (GetWindowPlacement(mainWindow, &placement)) WritePlacementSetting(placement);
}
