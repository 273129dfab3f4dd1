#include "search/find_replace_dialog.h"

#include <cstdio>
#include <string>

#include "base/globals.h"
#include "base/last_resort.h"
#include "base/settings_store.h"
#include "editor/control_editor.h"
#include "editor/view_format.h"
#include "search/hex_pattern.h"
#include "search/search_history.h"
#include "search/search_texts.h"

namespace {

constexpr int externalListSize = 20;

// Fields are read with room for 32 bytes and a zero: longer input is cut.
using FieldText = char[patternCapacity];

struct RegistryHistory final : SearchHistoryValues {
  std::string Read(int slot) const override {
    FieldText text = {};
    ReadSettingString(std::to_string(slot).c_str(), text, sizeof text);
    return text;
  }
  void Write(int slot, const std::string& text) override { WriteSettingString(std::to_string(slot).c_str(), text.c_str()); }
};

bool Checked(HWND dialog, int control) { return IsDlgButtonChecked(dialog, control) == BST_CHECKED; }

void Check(HWND dialog, int control, bool on) { CheckDlgButton(dialog, control, on ? BST_CHECKED : BST_UNCHECKED); }

bool TextMode(HWND dialog) { return IsWindowEnabled(GetDlgItem(dialog, searchTextBox)) != FALSE; }

// The history, then the search texts another program keeps in "wincmd.ini"
// (read where the system looks for a bare INI name, never written).
void FillSearchList(HWND box) {
  for (const std::string& text : ReadSearchHistory(RegistryHistory())) {
    SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  for (int i = 0; i < externalListSize; ++i) {
    char key[12];
    std::snprintf(key, sizeof key, "%i", i);
    FieldText text = {};
    GetPrivateProfileStringA("SearchText", key, "", text, sizeof text, "wincmd.ini");
    if (text[0]) SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  }
}

void Open(HWND dialog, const SearchState& state) {
  SendMessageA(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(appIconSmall));
  Check(dialog, wholeWordBox, state.wholeWord);
  Check(dialog, matchCaseBox, state.matchCase);
  Check(dialog, wholeTextBox, state.wholeText);
  Check(dialog, backwardsBox, state.backwards);
  if (state.replaceMode) {
    Check(dialog, confirmBox, state.confirmReplace);
    SetWindowTextA(dialog, "Заменить...");
  } else {
    for (int control : {confirmBox, replaceHexField, replaceTextField, replaceAllButton}) {
      ShowWindow(GetDlgItem(dialog, control), SW_HIDE);
    }
    SetWindowTextA(dialog, "Найти...");
  }
  HWND box = GetDlgItem(dialog, searchTextBox);
  FillSearchList(box);
  std::string word = WordAtCaret(ControlEditor(), viewCodePage);
  if (word.empty()) return;
  SendMessageA(box, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(word.c_str()));
  SendMessageA(box, CB_SETCURSEL, 0, 0);
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
  FieldText search = {}, replacement = {};
  GetDlgItemTextA(dialog, text ? searchTextBox : searchHexField, search, sizeof search);
  if (!search[0]) return;
  if (state.replaceMode) GetDlgItemTextA(dialog, text ? replaceTextField : replaceHexField, replacement, sizeof replacement);
  state.replaceAll = all;
  state.wholeWord = Checked(dialog, wholeWordBox);
  state.matchCase = Checked(dialog, matchCaseBox);
  state.hexPattern = !text;
  state.wholeText = Checked(dialog, wholeTextBox);
  state.backwards = Checked(dialog, backwardsBox);
  if (state.replaceMode) state.confirmReplace = Checked(dialog, confirmBox);
  EndDialog(dialog, 1);
  if (text) {
    SetPattern(state.searchPattern, AnsiTextToView(search, viewCodePage));
    if (state.replaceMode) SetPattern(state.replacePattern, AnsiTextToView(replacement, viewCodePage));
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
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    Open(dialog, *reinterpret_cast<SearchState*>(lParam));
    return TRUE;
  }
  auto* state = reinterpret_cast<SearchState*>(GetWindowLongPtrA(dialog, DWLP_USER));
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
  return static_cast<int>(DialogBoxParamA(appInstance, MAKEINTRESOURCEA(1), owner, FindReplaceProcedure,
                                          reinterpret_cast<LPARAM>(&state)));
}
