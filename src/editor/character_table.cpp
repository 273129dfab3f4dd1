#include "editor/character_table.h"

#include <richedit.h>

#include <string>

#include "base/globals.h"
#include "base/last_resort.h"
#include "base/window_dpi.h"
#include "codepages/utf8_recoding.h"
#include "control/document_control.h"
#include "editor/character_table_text.h"
#include "editor/clipboard_specials.h"
#include "editor/colour_settings.h"
#include "editor/editor_control.h"
#include "editor/undo_commands.h"
#include "editor/view_format.h"

namespace {

// In the UTF-8 view the table's 224 bytes are Windows-1251 and go in as UTF-8.
CodePage TableCodePage() { return viewCodePage == Utf8 ? Ansi : viewCodePage; }

// The table shows the glyphs of the view code page in the editor's font.
void ShowLikeEditor(HWND grid) {
  CHARFORMATW format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_BOLD | CFM_ITALIC | CFM_CHARSET | CFM_FACE | CFM_COLOR | CFM_SIZE;
  if (editorWindow) SendMessageA(editorWindow, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  SendMessageW(grid, EM_SETDPI, static_cast<WPARAM>(windowDpi), 0);  // the editor's font at the editor's scale
  SendMessageA(grid, EM_SETVIEWCODEPAGE, TableCodePage(), 0);
  SendMessageA(grid, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
  SendMessageA(grid, EM_SETBKGNDCOLOR, 0, StoredBackgroundColour());
  SetWindowTextA(grid, CharacterTableText().c_str());
}

// The selected characters go into the document as one undoable step; Copy
// puts them on the clipboard first and closes the dialog.
void TakeSelection(HWND dialog, int button) {
  HWND grid = GetDlgItem(dialog, CharacterTableGrid);
  CHARRANGE selection{};
  SendMessageA(grid, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
  LONG length = selection.cpMax - selection.cpMin;
  char text[256] = {};  // the whole table is 236 bytes
  if (length <= 0 || length >= static_cast<LONG>(sizeof text)) return;
  length = static_cast<LONG>(SendMessageA(grid, EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(text)));
  std::string bytes(text, static_cast<std::size_t>(length));
  if (viewCodePage == Utf8) bytes = RecodeText(bytes, Ansi, Utf8).bytes;
  if (button == CharacterTableCopy) {
    CopyBytesToClipboard(bytes.data(), static_cast<long>(bytes.size()));
  } else {
    SetFocus(grid);
  }
  if (editorWindow) {
    RecordUndo(UndoReplace, static_cast<int32_t>(bytes.size()));
    SendMessageA(editorWindow, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(bytes.c_str()));
  }
  if (button == CharacterTableCopy) EndDialog(dialog, CharacterTableCopy);
}

}  // namespace

static INT_PTR CharacterTableDialogProcUnguarded(HWND, UINT, WPARAM, LPARAM);

INT_PTR CALLBACK CharacterTableDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return Guarded([&] { return CharacterTableDialogProcUnguarded(window, message, wParam, lParam); }, INT_PTR{FALSE});
}

static INT_PTR CharacterTableDialogProcUnguarded(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case dpiChangedMessage:  // the system scales the dialog; the grid's font follows
      SendDlgItemMessageW(dialog, CharacterTableGrid, EM_SETDPI, HIWORD(wParam), 0);
      return FALSE;
    case WM_INITDIALOG:
      SendMessageW(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(appIconSmall));
      ShowLikeEditor(GetDlgItem(dialog, CharacterTableGrid));
      // Focused here, so that the dialog does not select the whole table.
      SetFocus(GetDlgItem(dialog, CharacterTableGrid));
      return FALSE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case CharacterTableInsert:
        case CharacterTableCopy:
          TakeSelection(dialog, LOWORD(wParam));
          return TRUE;
        case CharacterTableClose:
          EndDialog(dialog, CharacterTableClose);
          return TRUE;
        default:
          return FALSE;
      }
    default:
      return FALSE;
  }
}

void ShowCharacterTable() {
  DialogBoxParamW(appInstance, MAKEINTRESOURCEW(characterTableDialogResource), mainWindow, CharacterTableDialogProc, 0);
}
