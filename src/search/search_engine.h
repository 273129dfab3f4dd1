// Every search and replacement after the Find/Replace dialog has closed: one
// step finds and selects an occurrence (and replaces it in replace mode); a
// run repeats steps. The engine sees the document only through
// EditorOperations and compares bytes only: the patterns are already in the
// document's code page.
#pragma once
#include "editor/editor_operations.h"
#include "engine/text_storage.h"
#include "search/search_state.h"

// The buttons of the confirmation dialog, as its result.
enum ReplaceAnswer : int {
  ReplaceYes = 1,     // "Да"
  ReplaceNo = 2,      // "Нет", also Esc and closing
  ReplaceAll = 6,     // "Все"
  ReplaceCancel = 7,  // "Отмена"
};

// What a step needs besides the document.
class SearchHost {
 public:
  virtual ~SearchHost() = default;
  // The confirmation dialog's answer; anything but a ReplaceAnswer when it could not be shown.
  virtual int ConfirmReplace() = 0;
  // The undo journal's whole-text snapshot before a replace run; false when
  // there is no memory for it, and then the run replaces nothing.
  virtual bool RecordSnapshot() = 0;
  // Memory ran out half way through a replace run: the host takes back what
  // the run replaced (its snapshot) and tells the user.
  virtual void RunOutOfMemory() = 0;
  // The text limit refused a replacement: nothing changed.
  virtual void ReportRefusedReplace() = 0;
  // The rest of the run replaces without asking: nobody needs to watch it.
  virtual void ReplacingUnasked() = 0;
  // A run that replaces everything unasked is made in one pass that hands the
  // old text over: the journal's step for it, which copies nothing (false:
  // the run takes a snapshot instead), the old text once the pass is made, and
  // the step taken back when the run has to go match by match after all.
  virtual bool RecordHandOver() = 0;
  virtual void KeepReplacedText(TextStorage&& replaced) = 0;
  virtual void WithdrawHandOver() = 0;
};

// One search step: false when the pattern is empty or nothing was found
// (the selection stays), true otherwise, also when a replacement was
// declined, cancelled or refused.
bool FindStep(SearchState& state, EditorOperations& editor, SearchHost& host);

// What follows a dialog closed with OK or "Все": the start position, the
// snapshot of a replace run, then one step or, replacing all, the whole run.
void StartSearch(SearchState& state, EditorOperations& editor, SearchHost& host);

// Find next (ContinueSearch). Replace mode: a snapshot, then a step or the rest of the run.
// Find mode: one step. False when the Find dialog should open again (find
// mode, nothing found or no pattern yet).
bool ContinueSearch(SearchState& state, EditorOperations& editor, SearchHost& host);
