#include "chrome/toolbar_notify.h"

#include <commctrl.h>

#include <iterator>

#include "base/command_captions.h"
#include "base/commands.h"
#include "base/globals.h"
#include "chrome/toolbar.h"
#include "chrome/toolbar_buttons.h"
#include "chrome/toolbar_restore.h"

namespace {

// The caption without its mnemonic mark, as Windows shows it in a tooltip
// (Wine's tooltip would underline the letter instead).
void CopyTooltipText(Command command, wchar_t* target, size_t capacity) {
  size_t length = 0;
  for (const wchar_t* c = CommandCaption(command); *c && length + 1 < capacity; ++c) {
    if (*c != L'&') target[length++] = *c;
  }
  target[length] = L'\0';
}

LRESULT GetButtonInfo(NMTOOLBARW* info) {
  if (!OfferedButton(info->iItem, &info->tbButton)) return FALSE;
  if (info->pszText && info->cchText > 0) {
    lstrcpynW(info->pszText, CommandCaption(CommandFrom(info->tbButton.idCommand)), info->cchText);
  }
  return TRUE;
}

}  // namespace

bool OnToolbarNotify(NMHDR* header, LRESULT* result) {
  *result = 0;
  switch (header->code) {
    // The main window is a Unicode window, so the toolbar and its tooltips ask in UTF-16.
    case TTN_NEEDTEXTW: {
      auto* text = reinterpret_cast<NMTTDISPINFOW*>(header);
      CopyTooltipText(CommandFrom(static_cast<int>(header->idFrom)), text->szText, std::size(text->szText));
      text->lpszText = text->szText;
      return true;
    }
    case TBN_GETBUTTONINFOW:
      *result = GetButtonInfo(reinterpret_cast<NMTOOLBARW*>(header));
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
