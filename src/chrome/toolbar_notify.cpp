#include "chrome/toolbar_notify.h"

#include <commctrl.h>

#include "base/command_captions.h"
#include "base/commands.h"
#include "base/globals.h"
#include "chrome/toolbar.h"
#include "chrome/toolbar_buttons.h"
#include "chrome/toolbar_restore.h"

namespace {


// The caption without its mnemonic mark, as Windows shows it in a tooltip
// (Wine's tooltip would underline the letter instead).
void CopyTooltipText(Command command, char* target, size_t capacity) {
  size_t length = 0;
  for (const char* c = CommandCaption(command); *c && length + 1 < capacity; ++c) {
    if (*c != '&') target[length++] = *c;
  }
  target[length] = '\0';
}

LRESULT GetButtonInfo(NMTOOLBARA* info) {
  if (!OfferedButton(info->iItem, &info->tbButton)) return FALSE;
  if (info->pszText && info->cchText > 0) {
    lstrcpynA(info->pszText, CommandCaption(CommandFrom(info->tbButton.idCommand)), info->cchText);
  }
  return TRUE;
}

}  // namespace

bool OnToolbarNotify(NMHDR* header, LRESULT* result) {
  *result = 0;
  switch (header->code) {
    case TTN_NEEDTEXTA: {
      auto* text = reinterpret_cast<NMTTDISPINFOA*>(header);
      CopyTooltipText(CommandFrom(static_cast<int>(header->idFrom)), text->szText, sizeof text->szText);
      text->lpszText = text->szText;
      return true;
    }
    case TBN_GETBUTTONINFOA:
      *result = GetButtonInfo(reinterpret_cast<NMTOOLBARA*>(header));
      return true;
    case TBN_QUERYINSERT:
    case TBN_QUERYDELETE:
      *result = TRUE;
      return true;
    case TBN_TOOLBARCHANGE:
      SaveToolbar();
      return true;
    case TBN_RESET:
      RestoreToolbar();
      return true;
    case TBN_CUSTHELP:
      PostMessageA(mainWindow, WM_COMMAND, Id(Command::Help), 0);
      return true;
    case TBN_RESTORE:
      RestoreButton(reinterpret_cast<NMTBRESTORE*>(header));
      return true;
    default:
      return false;
  }
}
