#include "search/find_replace_dialog.h"

#include <string>

#include "base/globals.h"
#include "base/last_resort.h"
#include "base/settings_store.h"
#include "base/ui_texts.h"
#include "base/wide_strings.h"
#include "editor/control_editor.h"
#include "editor/view_format.h"
#include "search/hex_pattern.h"
#include "search/search_history.h"
#include "search/search_texts.h"

namespace {

constexpr int externalListSize = 20;

// The history as typed, in UTF-8 here and UTF-16 in the settings.
struct RegistryHistory final : SearchHistoryValues {
  std::string Read(int slot) const override { return Utf8FromWide(ReadSettingText(std::to_string(slot).c_str())); }
  void Write(int slot, const std::string& text) override {
    WriteSettingText(std::to_string(slot).c_str(), WideFromUtf8(text));
  }
};

std::string FieldText(HWND dialog, int field) { return Utf8FromWide(WindowTextOf(GetDlgItem(dialog, field))); }

void AddToList(HWND box, std::string_view utf8, WPARAM at = static_cast<WPARAM>(-1)) {
  const std::wstring text = WideFromUtf8(utf8);
  SendMessageW(box, at == static_cast<WPARAM>(-1) ? CB_ADDSTRING : CB_INSERTSTRING, at == static_cast<WPARAM>(-1) ? 0 : at,
               reinterpret_cast<LPARAM>(text.c_str()));
}

bool Checked(HWND dialog, int control) { return IsDlgButtonChecked(dialog, control) == BST_CHECKED; }

void Check(HWND dialog, int control, bool on) { CheckDlgButton(dialog, control, on ? BST_CHECKED : BST_UNCHECKED); }

bool TextMode(HWND dialog) { return IsWindowEnabled(GetDlgItem(dialog, searchTextBox)) != FALSE; }

// The history, then the search texts another program keeps in "wincmd.ini"
// (read where the system looks for a bare INI name, never written).
void FillSearchList(HWND box) {
  for (const std::string& text : ReadSearchHistory(RegistryHistory())) AddToList(box, text);
  for (int i = 0; i < externalListSize; ++i) {
    wchar_t text[patternCapacity] = {};  // as the other program's own field holds them
    GetPrivateProfileStringW(L"SearchText", std::to_wstring(i).c_str(), L"", text, patternCapacity, L"wincmd.ini");
    if (text[0]) AddToList(box, Utf8FromWide(text));
  }
}

void Open(HWND dialog, const SearchState& state) {
  SendMessageW(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(appIconSmall));
  Check(dialog, wholeWordBox, state.wholeWord);
  Check(dialog, matchCaseBox, state.matchCase);
  Check(dialog, wholeTextBox, state.wholeText);
  Check(dialog, backwardsBox, state.backwards);
  if (state.replaceMode) {
    Check(dialog, confirmBox, state.confirmReplace);
    SetWindowTextW(dialog, replaceDialogTitle);
  } else {
    for (int control : {confirmBox, replaceHexField, replaceTextField, replaceAllButton}) {
      ShowWindow(GetDlgItem(dialog, control), SW_HIDE);
    }
    SetWindowTextW(dialog, findDialogTitle);
  }
  HWND box = GetDlgItem(dialog, searchTextBox);
  FillSearchList(box);
  std::string word = WordAtCaret(ControlEditor(), viewCodePage);
  if (word.empty()) return;
  AddToList(box, word, 0);
  SendMessageW(box, CB_SETCURSEL, 0, 0);
}

void SwitchHex(HWND dialog, const SearchState& state) {
  bool text = !Checked(dialog, hexSwitch);
  EnableWindow(GetDlgItem(dialog, searchTextBox), text);
  EnableWindow(GetDlgItem(dialog, searchHexField), !text);
  if (state.replaceMode) {
    EnableWindow(GetDlgItem(dialog, replaceTextField), text);
    EnableWindow(GetDlgItem(dialog, replaceHexField), !text);
  }
  SetFocus(GetDlgItem(dialog, text ? searchTextBox : searchHexField));
}

// OK and "Все": nothing happens while the active search field is empty.
void Accept(HWND dialog, SearchState& state, bool all) {
  bool text = TextMode(dialog);
  const std::string search = FieldText(dialog, text ? searchTextBox : searchHexField);
  if (search.empty()) return;
  std::string replacement;
  if (state.replaceMode) replacement = FieldText(dialog, text ? replaceTextField : replaceHexField);
  state.replaceAll = all;
  state.wholeWord = Checked(dialog, wholeWordBox);
  state.matchCase = Checked(dialog, matchCaseBox);
  state.hexPattern = !text;
  state.wholeText = Checked(dialog, wholeTextBox);
  state.backwards = Checked(dialog, backwardsBox);
  if (state.replaceMode) state.confirmReplace = Checked(dialog, confirmBox);
  EndDialog(dialog, 1);
  if (text) {
    SetPattern(state.searchPattern, TypedTextToView(search, viewCodePage, patternCapacity - 1));
    if (state.replaceMode) SetPattern(state.replacePattern, TypedTextToView(replacement, viewCodePage, patternCapacity - 1));
    RegistryHistory history;
    RecordSearchHistory(history, search);  // as typed; hex searches are not kept
  } else {
    SetPattern(state.searchPattern, ParseHexPattern(search));
    if (state.replaceMode) SetPattern(state.replacePattern, ParseHexPattern(replacement));
  }
}

static INT_PTR FindReplaceProcedureUnguarded(HWND, UINT, WPARAM, LPARAM);

INT_PTR CALLBACK FindReplaceProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return Guarded([&] { return FindReplaceProcedureUnguarded(window, message, wParam, lParam); }, INT_PTR{FALSE});
}

static INT_PTR FindReplaceProcedureUnguarded(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    Open(dialog, *reinterpret_cast<SearchState*>(lParam));
    return TRUE;
  }
  auto* state = reinterpret_cast<SearchState*>(GetWindowLongPtrW(dialog, DWLP_USER));
  if (message != WM_COMMAND || !state) return FALSE;
  switch (LOWORD(wParam)) {
    case IDOK:
      Accept(dialog, *state, false);
      return TRUE;
    case replaceAllButton:
      Accept(dialog, *state, true);
      return TRUE;
    case IDCANCEL:
      EndDialog(dialog, IDCANCEL);
      return TRUE;
    case hexSwitch:
      SwitchHex(dialog, *state);
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

int FindReplaceDialog(HWND owner, SearchState& state) {
  return static_cast<int>(DialogBoxParamW(appInstance, MAKEINTRESOURCEW(1), owner, FindReplaceProcedure,
                                          reinterpret_cast<LPARAM>(&state)));
}
