#include "app/command_dispatch.h"

#include <windows.h>
#include <richedit.h>
#include <shellapi.h>

#include "app/about_box.h"
#include "base/command_captions.h"
#include "base/globals.h"
#include "app/help_command.h"
#include "app/menu_bar.h"
#include "app/options_dialog.h"
#include "chrome/toolbar.h"
#include "editor/code_page_chord.h"
#include "conversion_dialogs/code_page_dialog.h"
#include "conversion_dialogs/colour_commands.h"
#include "codepages/code_pages.h"
#include "editor/text_transform.h"
#include "editor/undo_commands.h"
#include "editor/view_commands.h"
#include "conversion_dialogs/font_dialog.h"
#include "documents/document_commands.h"
#include "documents/recent_files.h"
#include "documents/save_as.h"
#include "editor/character_table.h"
#include "editor/clipboard_specials.h"
#include "editor/date_time.h"
#include "editor/editor_control.h"
#include "editor/word_wrap.h"
#include "printing/page_count.h"
#include "printing/print_document.h"
#include "printing/print_preview.h"
#include "printing/print_setup.h"
#include "tools/byte_patcher.h"
#include "tools/file_associations.h"
#include "search/search_commands.h"

namespace {

constexpr int zoomCommand = 300;  // F4

void DeleteCommand() {
  RecordUndo(UndoReplace, 0);
  SendMessageA(editorWindow, WM_CLEAR, 0, 0);
}

void CutCommand() {
  SendMessageA(mainWindow, WM_COMMAND, 2, 0);
  DeleteCommand();
}

void SelectAll() { SendMessageA(editorWindow, EM_SETSEL, 0, -1); }

// Commands 54 and 55 carry their targets as captions: the home page and the mail address.
void OpenProjectLink(int command) {
  ShellExecuteA(mainWindow, "open", CommandCaption(command), nullptr, nullptr, SW_SHOWNORMAL);
}

void ToggleZoom() {
  WPARAM next = IsZoomed(mainWindow) ? SC_RESTORE : SC_MAXIMIZE;
  SendMessageA(mainWindow, WM_SYSCOMMAND, next, 0);
}

bool RunEditCommand(int command) {
  switch (command) {
    case 1: CutCommand(); return true;
    case 2: CopyCommand(); return true;
    case 3: PasteCommand(); return true;
    case 4: UndoCommand(); return true;
    case 6: DeleteCommand(); return true;
    case characterTableCommand: ShowCharacterTable(); return true;
    case 39: InsertDateTime(); return true;
    case 48: SelectAll(); return true;
    default: return false;
  }
}

bool RunFileCommand(int command) {
  int recentSlot = command - static_cast<int>(firstRecentCommand);
  if (recentSlot >= 0 && recentSlot < recentCommandCount) {
    OpenRecentFile(recentSlot);
    return true;
  }
  switch (command) {
    case 7: NewDocument(); return true;
    case 8: OpenCommand(); return true;
    case 9: SaveCommand(); return true;
    case printPreviewCommand: ShowPrintPreview(); return true;
    case printCommand: PrintDocument(); return true;
    case pageNumbersCommand: CountPagesAndAskNumbers(); return true;
    case pageSetupCommand: PageSetup(); return true;
    case 26: SaveAs(); return true;
    case 38: InsertFromCommand(); return true;
    case 44: SendMessageA(mainWindow, WM_CLOSE, 0, 0); return true;
    default: return false;
  }
}

bool RunTextCommand(int command) {
  switch (command) {
    case 16: case 17: case 18: SetViewCodePage(static_cast<CodePage>(command - viewAnsiCommand)); return true;
    case 19: case 20: case 21: case 22:
    case 33: case 34: case 35: case 36: TransformText(command, NoTable, NoTable); return true;
    case chooseCodePagesCommand: ChooseCodePages(); return true;
    case 29: case 30: case 31: case 32: RecodeFromView(command); return true;
    case 40: case 41: case 42: EditCodePageFont(static_cast<CodePage>(command - firstCodePageFontCommand)); return true;
    case backgroundColourCommand: ChooseBackgroundColour(); return true;
    case textColourCommand: ChooseTextColour(); return true;
    case tagColourCommand: ChooseTagColour(); return true;
    case paintTagsCommand: PaintHtmlTags(); return true;
    case fontLargerCommand: ChangeFontSize(+1); return true;
    case fontSmallerCommand: ChangeFontSize(-1); return true;
    case 100: case 101: case 102: OnCodePageChord(command); return true;
    default: return false;
  }
}

bool RunWindowCommand(int command) {
  switch (command) {
    case 12: ShowHelp(); return true;
    case optionsCommand: RunOptionsDialog(); return true;
    case customizeToolbarCommand: CustomizeToolbar(); return true;
    case wordWrapCommand: ToggleWordWrap(); return true;
    case 51: ShowAboutBox(mainWindow); return true;
    case 54: case 55: OpenProjectLink(command); return true;
    case zoomCommand: ToggleZoom(); return true;
    case patchByteCommand: PatchByteCommand(); return true;
    case associationsCommand: RunAssociationsDialog(); return true;
    default: return false;
  }
}

}  // namespace

bool RunCommand(int command) {
  return RunEditCommand(command) || RunFileCommand(command) || RunTextCommand(command) ||
         RunSearchCommand(command) || RunWindowCommand(command);
}
