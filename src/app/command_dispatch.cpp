#include "app/command_dispatch.h"

#include <windows.h>
#include <richedit.h>
#include <shellapi.h>

#include "app/about_box.h"
#include "app/help_command.h"
#include "app/menu_bar.h"
#include "app/options_dialog.h"
#include "base/command_captions.h"
#include "base/commands.h"
#include "base/globals.h"
#include "chrome/toolbar.h"
#include "codepages/code_pages.h"
#include "conversion_dialogs/code_page_dialog.h"
#include "conversion_dialogs/colour_commands.h"
#include "conversion_dialogs/font_dialog.h"
#include "documents/document_commands.h"
#include "documents/recent_files.h"
#include "documents/save_as.h"
#include "editor/character_table.h"
#include "editor/clipboard_specials.h"
#include "editor/code_page_chord.h"
#include "editor/date_time.h"
#include "editor/editor_control.h"
#include "editor/text_transform.h"
#include "editor/undo_commands.h"
#include "editor/view_commands.h"
#include "editor/word_wrap.h"
#include "printing/page_count.h"
#include "printing/print_document.h"
#include "printing/print_preview.h"
#include "printing/print_setup.h"
#include "search/search_commands.h"
#include "tools/byte_patcher.h"
#include "tools/file_associations.h"

namespace {

void DeleteCommand() {
  RecordUndo(UndoReplace, 0);
  SendMessageA(editorWindow, WM_CLEAR, 0, 0);
}

void CutCommand() {
  SendMessageA(mainWindow, WM_COMMAND, Id(Command::Copy), 0);
  DeleteCommand();
}

void SelectAll() { SendMessageA(editorWindow, EM_SETSEL, 0, -1); }

// The home page and the mail address carry their targets as captions.
void OpenProjectLink(Command command) {
  ShellExecuteW(mainWindow, L"open", CommandCaption(command), nullptr, nullptr, SW_SHOWNORMAL);
}

void ToggleZoom() {
  WPARAM next = IsZoomed(mainWindow) ? SC_RESTORE : SC_MAXIMIZE;
  SendMessageA(mainWindow, WM_SYSCOMMAND, next, 0);
}

bool RunEditCommand(Command command) {
  switch (command) {
    case Command::Cut: CutCommand(); return true;
    case Command::Copy: CopyCommand(); return true;
    case Command::Paste: PasteCommand(); return true;
    case Command::Undo: UndoCommand(); return true;
    case Command::Delete: DeleteCommand(); return true;
    case Command::CharacterTable: ShowCharacterTable(); return true;
    case Command::DateTime: InsertDateTime(); return true;
    case Command::SelectAll: SelectAll(); return true;
    default: return false;
  }
}

bool RunFileCommand(Command command) {
  int recentSlot = RecentSlot(command);
  if (recentSlot >= 0) {
    OpenRecentFile(recentSlot);
    return true;
  }
  switch (command) {
    case Command::New: NewDocument(); return true;
    case Command::Open: OpenCommand(); return true;
    case Command::Save: SaveCommand(); return true;
    case Command::PrintPreview: ShowPrintPreview(); return true;
    case Command::Print: PrintDocument(); return true;
    case Command::PageNumbers: CountPagesAndAskNumbers(); return true;
    case Command::PageSetup: PageSetup(); return true;
    case Command::SaveAs: SaveAs(); return true;
    case Command::InsertFrom: InsertFromCommand(); return true;
    case Command::Exit: SendMessageA(mainWindow, WM_CLOSE, 0, 0); return true;
    default: return false;
  }
}

bool RunTextCommand(Command command) {
  switch (command) {
    case Command::ViewAnsi: case Command::ViewOem: case Command::ViewKoi8: case Command::ViewUtf8:
      SetViewCodePage(CodePage(ViewCodePageOf(viewCommands, command))); return true;
    case Command::Justify: case Command::Centre: case Command::AlignLeft: case Command::AlignRight:
    case Command::Translit: case Command::RtfToAnsi: case Command::EqualsEscapes: case Command::LineBreak:
      TransformText(command, NoTable, NoTable); return true;
    case Command::ChooseConversion: ChooseCodePages(); return true;
    case Command::RecodeToAnsi: case Command::RecodeToOem: case Command::RecodeToKoi8: case Command::Fido:
      RecodeFromView(command); return true;
    case Command::AnsiFont: case Command::OemFont: case Command::Koi8Font: case Command::Utf8Font:
      EditCodePageFont(CodePage(ViewCodePageOf(fontCommands, command))); return true;
    case Command::BackgroundColour: ChooseBackgroundColour(); return true;
    case Command::TextColour: ChooseTextColour(); return true;
    case Command::TagColour: ChooseTagColour(); return true;
    case Command::PaintTags: PaintHtmlTags(); return true;
    case Command::FontLarger: ChangeFontSize(+1); return true;
    case Command::FontSmaller: ChangeFontSize(-1); return true;
    case Command::ChordAnsi: case Command::ChordOem: case Command::ChordKoi8: case Command::ChordUtf8:
      OnCodePageChord(command); return true;
    default: return false;
  }
}

bool RunWindowCommand(Command command) {
  switch (command) {
    case Command::Help: ShowHelp(); return true;
    case Command::Options: RunOptionsDialog(); return true;
    case Command::CustomizeToolbar: CustomizeToolbar(); return true;
    case Command::WordWrap: ToggleWordWrap(); return true;
    case Command::About: ShowAboutBox(mainWindow); return true;
    case Command::HomePage: case Command::MailAddress: OpenProjectLink(command); return true;
    case Command::Zoom: ToggleZoom(); return true;
    case Command::PatchByte: PatchByteCommand(); return true;
    case Command::Associations: RunAssociationsDialog(); return true;
    default: return false;
  }
}

}  // namespace

bool RunCommand(int id) {
  Command command = CommandFrom(id);
  return RunEditCommand(command) || RunFileCommand(command) || RunTextCommand(command) ||
         RunSearchCommand(command) || RunWindowCommand(command);
}
