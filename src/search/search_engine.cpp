#include "search/search_engine.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <string>
#include <utility>

#include "search/backward_search.h"

namespace {

std::uint32_t FindOptionsOf(const SearchState& state) {
  return (state.wholeWord ? FindWholeWord : 0u) | (state.matchCase ? FindMatchCase : 0u) |
         (state.hexPattern ? FindBytes : 0u);
}

// Where a step continues. A failed search leaves -1: then the caret decides,
// in either direction and with or without "whole text", so a search after a
// failure never starts from a bound the control reads as "the end".
Position ContinueFrom(const SearchState& state, Position selectionStart) {
  if (state.searchPosition < 0) return selectionStart;
  if (state.backwards) return std::min(state.searchPosition, selectionStart);
  // Forwards a caret moved on past the last match wins, one moved back does not.
  if (!state.wholeText && state.searchPosition < selectionStart) return selectionStart;
  return state.searchPosition;
}

// A backward replacement takes the last match that ends at its limit. The
// bisection's answer for a pattern overlapping itself can reach past the limit
// into the text the previous replacement inserted, and aa -> aaa would then
// replace its own output for ever.
Position NextMatch(const SearchState& state, const EditorOperations& editor, Position from) {
  std::string_view pattern(state.searchPattern);
  std::uint32_t options = FindOptionsOf(state);
  if (!state.backwards) return editor.FindInRange({from, -1}, pattern, options);
  if (state.replaceMode) return editor.FindLastInRange({0, from}, pattern, options);
  // The bisection's answer can also be the match that starts at the limit, the
  // one Find next has just selected, and the search would never move on; the
  // last match that ends at the limit is the one before it.
  Position found = FindBackward(editor, from, pattern, options);
  if (from >= 0 && found >= from) return editor.FindLastInRange({0, from}, pattern, options);
  return found;
}

// Replaces the selected match; false when the text limit refused it.
bool ReplaceCurrent(SearchState& state, EditorOperations& editor, SearchHost& host) {
  std::string_view replacement(state.replacePattern);
  if (!editor.ReplaceSelection(replacement)) {
    state.replaceAll = false;  // a refused step would be offered again and again
    host.ReportRefusedReplace();
    return false;
  }
  // Forwards the next search starts after the inserted text and never sees it;
  // backwards the next limit is the match start, before it.
  if (!state.backwards) state.searchPosition += static_cast<Position>(replacement.size());
  return true;
}

void Confirmed(SearchState& state, EditorOperations& editor, SearchHost& host, Position matchLength) {
  switch (host.ConfirmReplace()) {
    case ReplaceYes:
      ReplaceCurrent(state, editor, host);
      return;
    case ReplaceNo:
      if (!state.backwards) state.searchPosition += matchLength;
      return;
    case ReplaceAll:
      state.confirmReplace = false;  // off for the rest of the run and the next dialog
      state.replaceAll = true;
      host.ReplacingUnasked();
      ReplaceCurrent(state, editor, host);
      return;
    case ReplaceCancel:
    default:  // no dialog: the match stays selected and the run ends instead of asking for ever
      state.replaceAll = false;
      return;
  }
}

bool ReplacesAllUnasked(const SearchState& state) {
  return state.replaceMode && state.replaceAll && !state.confirmReplace && !state.backwards;
}

// The rest of a run that replaces unasked, forwards: one pass over the text,
// which ends as the run would, with the caret after the last replacement and
// the last search failed. False when it has to go match by match.
bool ReplaceRest(SearchState& state, EditorOperations& editor, SearchHost& host) {
  if (!ReplacesAllUnasked(state)) return false;
  TextStorage replaced;
  Position from = ContinueFrom(state, editor.GetSelection().start);
  Position count = editor.ReplaceAll(from, state.searchPattern, FindOptionsOf(state), state.replacePattern, replaced);
  if (count < 0) return false;
  host.KeepReplacedText(std::move(replaced));
  state.searchPosition = -1;
  return true;
}

// A replace run: one snapshot, then a step or the rest of the run. A run that
// asks nothing needs no snapshot: its one pass hands the old text over.
// A pass that had to give way is not tried again: it would scan the rest of
// the text once for every match.
void RunReplacements(SearchState& state, EditorOperations& editor, SearchHost& host) {
  bool passTried = false;
  try {
    if (ReplacesAllUnasked(state) && host.RecordHandOver()) {
      host.ReplacingUnasked();
      passTried = true;
      if (ReplaceRest(state, editor, host)) return;
      host.WithdrawHandOver();
    }
  } catch (const std::bad_alloc&) {  // nothing has changed
    host.WithdrawHandOver();
    state.replaceAll = false;
    host.RunOutOfMemory();
    return;
  }
  if (!host.RecordSnapshot()) return;
  if (state.replaceAll && !state.confirmReplace && !passTried) host.ReplacingUnasked();
  try {
    while (FindStep(state, editor, host) && state.replaceAll) {
      if (passTried || !ReplacesAllUnasked(state)) continue;
      passTried = true;
      if (ReplaceRest(state, editor, host)) break;
    }
  } catch (const std::bad_alloc&) {
    state.replaceAll = false;
    host.RunOutOfMemory();
  }
}

}  // namespace

bool FindStep(SearchState& state, EditorOperations& editor, SearchHost& host) {
  const auto length = static_cast<Position>(std::strlen(state.searchPattern));
  if (length == 0) return false;
  PositionRange selection = editor.GetSelection();
  state.searchPosition = NextMatch(state, editor, ContinueFrom(state, selection.start));
  if (state.searchPosition < 0) return false;
  editor.SetSelection({state.searchPosition, state.searchPosition + length});  // a hex match to its bytes
  if (state.replaceMode) {
    if (state.confirmReplace) {
      Confirmed(state, editor, host, length);
    } else {
      ReplaceCurrent(state, editor, host);
    }
  } else if (!state.backwards) {
    state.searchPosition += length;
  }
  return true;
}

void StartSearch(SearchState& state, EditorOperations& editor, SearchHost& host) {
  if (state.wholeText) {
    state.searchPosition = state.backwards ? editor.GetTextLength() : 0;
  } else {
    state.searchPosition = editor.GetSelection().start;
  }
  if (state.replaceMode) {
    RunReplacements(state, editor, host);
  } else {
    FindStep(state, editor, host);
  }
}

bool ContinueSearch(SearchState& state, EditorOperations& editor, SearchHost& host) {
  if (!state.replaceMode) return FindStep(state, editor, host);
  RunReplacements(state, editor, host);
  return true;
}
