#include "search/search_engine.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <string>
#include <utility>

#include "codepages/utf8.h"
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

// A match and what the editor selected for it: the same bytes, except for a hex match in the
// UTF-8 view, where a selection ends only at character starts and takes in the whole
// characters the match touches.
struct Match {
  PositionRange bytes;
  PositionRange selected;
};

Match SelectMatch(const SearchState& state, EditorOperations& editor, PositionRange bytes) {
  editor.SetSelection(bytes);
  if (!state.hexPattern) return {bytes, bytes};  // a text pattern always ends at a character
  PositionRange selected = editor.GetSelection();
  if (selected.end < bytes.end) {  // the end went back to the start of its character: past it
    const std::string character = editor.GetTextRange({selected.end, selected.end + static_cast<Position>(maxUtf8Length)});
    const Utf8Sequence sequence =
        DecodeUtf8(reinterpret_cast<const unsigned char*>(character.data()), character.size());
    selected.end += sequence.status == Utf8Status::Valid ? sequence.length : 1;
    editor.SetSelection(selected);
  }
  return {bytes, selected};
}

// The bytes that replace the selection: the replacement, between the bytes of the selected
// characters that lie outside the match.
std::string KeptAround(const EditorOperations& editor, const Match& match, std::string_view replacement) {
  const std::string selected = editor.GetTextRange(match.selected);
  const auto before = static_cast<std::size_t>(match.bytes.start - match.selected.start);
  const auto after = static_cast<std::size_t>(match.bytes.end - match.selected.start);
  return selected.substr(0, before).append(replacement).append(selected, after);
}

// Replaces the selected match; false when the text limit refused it.
bool ReplaceCurrent(SearchState& state, EditorOperations& editor, SearchHost& host, const Match& match) {
  std::string_view replacement(state.replacePattern);
  std::string kept;
  if (match.selected != match.bytes) kept = KeptAround(editor, match, replacement);
  if (!editor.ReplaceSelection(match.selected == match.bytes ? replacement : std::string_view(kept))) {
    state.replaceAll = false;  // a refused step would be offered again and again
    host.ReportRefusedReplace();
    return false;
  }
  // Forwards the next search starts after the inserted text and never sees it;
  // backwards the next limit is the match start, before it.
  if (!state.backwards) state.searchPosition += static_cast<Position>(replacement.size());
  return true;
}

void Confirmed(SearchState& state, EditorOperations& editor, SearchHost& host, const Match& match) {
  switch (host.ConfirmReplace()) {
    case ReplaceYes:
      ReplaceCurrent(state, editor, host, match);
      return;
    case ReplaceNo:
      if (!state.backwards) state.searchPosition += match.bytes.end - match.bytes.start;
      return;
    case ReplaceAll:
      state.confirmReplace = false;  // off for the rest of the run and the next dialog
      state.replaceAll = true;
      host.ReplacingUnasked();
      ReplaceCurrent(state, editor, host, match);
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
  const Match match = SelectMatch(state, editor, {state.searchPosition, state.searchPosition + length});
  if (state.replaceMode) {
    if (state.confirmReplace) {
      Confirmed(state, editor, host, match);
    } else {
      ReplaceCurrent(state, editor, host, match);
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
