#include "search/search_commands.h"

#include <windows.h>
#include <richedit.h>

#include <string>
#include <utility>

#include "base/error_box.h"
#include "base/globals.h"
#include "base/ui_texts.h"
#include "editor/control_editor.h"
#include "editor/editor_control.h"
#include "editor/undo_commands.h"
#include "search/find_replace_dialog.h"
#include "search/replace_confirm_dialog.h"
#include "search/search_engine.h"

SearchState searchState;

namespace {

// A run that asks nothing draws nothing until it ends: the caret and the
// scroll bars drawn again for each match cost about a millisecond under Wine.
struct ProgramSearchHost final : SearchHost {
  ProgramSearchHost() = default;
  ProgramSearchHost(const ProgramSearchHost&) = delete;
  ProgramSearchHost& operator=(const ProgramSearchHost&) = delete;
  ~ProgramSearchHost() override {
    if (quiet && editorWindow) SendMessageA(editorWindow, WM_SETREDRAW, TRUE, 0);  // draws the view anew
  }
  void ReplacingUnasked() override {
    if (quiet || !editorWindow) return;
    SendMessageA(editorWindow, WM_SETREDRAW, FALSE, 0);
    quiet = true;
  }
  int ConfirmReplace() override { return ReplaceConfirmDialog(mainWindow); }
  bool RecordSnapshot() override {
    modifiedBefore = editorWindow && SendMessageA(editorWindow, EM_GETMODIFY, 0, 0) != 0;
    if (RecordUndoOrRefuse(UndoSnapshot, 0)) return true;
    ReportOutOfMemory();
    return false;
  }
  bool RecordHandOver() override {
    modifiedBefore = editorWindow && SendMessageA(editorWindow, EM_GETMODIFY, 0, 0) != 0;
    return ::RecordHandOver(UndoSnapshot);
  }
  void KeepReplacedText(TextStorage&& replaced) override { ::KeepReplacedText(std::move(replaced)); }
  void WithdrawHandOver() override { WithdrawUndoStep(); }
  // Putting the snapshot back marks the text modified, though it is as it was.
  void RunOutOfMemory() override {
    if (TakeBackUndoStep() && editorWindow) SendMessageA(editorWindow, EM_SETMODIFY, modifiedBefore, 0);
    ReportOutOfMemory();
  }
  void ReportRefusedReplace() override {
    ShowInformation(FillText(refusedReplaceText, {std::to_wstring(textLimit)}));
  }
  bool quiet = false;
  bool modifiedBefore = false;
};

}  // namespace

void RunFindReplace() {
  if (FindReplaceDialog(mainWindow, searchState) != IDOK || !editorWindow) return;
  ControlEditor editor;
  ProgramSearchHost host;
  StartSearch(searchState, editor, host);
}

void FindNext() {
  if (!editorWindow) return;
  ControlEditor editor;
  ProgramSearchHost host;
  if (!ContinueSearch(searchState, editor, host)) RunFindReplace();
}

bool RunSearchCommand(Command command) {
  switch (command) {
    case Command::Find:
    case Command::Replace:
      searchState.replaceMode = command == Command::Replace;
      RunFindReplace();
      return true;
    case Command::FindNext:
      FindNext();
      return true;
    default:
      return false;
  }
}
