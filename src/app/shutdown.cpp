#include "app/shutdown.h"

#include <windows.h>

#include "app/menu_bar.h"
#include "base/globals.h"
#include "chrome/toolbar.h"
#include "editor/editor_control.h"
#include "editor/undo_commands.h"
#include "printing/print_setup.h"

namespace {

void DeleteIfAny(HGDIOBJ object) {
  if (object) DeleteObject(object);
}

}  // namespace

void ReleaseResources() {
  FreePrintSetup();
  if (documentControlRegistered && editorWindow) {
    DestroyWindow(editorWindow);
    editorWindow = nullptr;
  }
  ClearUndoJournal();
  for (int i = popupMenuCount - 1; i >= 0; --i) {
    if (popupMenus[i]) DestroyMenu(popupMenus[i]);
    popupMenus[i] = nullptr;
  }
}

void ReleaseGdiObjects() {
  if (toolbarPictures) ImageList_Destroy(toolbarPictures);
  if (menuPictures) ImageList_Destroy(menuPictures);
  DeleteIfAny(menuFont);
  toolbarPictures = nullptr;
  menuPictures = nullptr;
  menuFont = nullptr;
}
