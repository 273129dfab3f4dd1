#include "conversion_dialogs/colour_commands.h"

#include <windows.h>
#include <richedit.h>

#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/error_box.h"
#include "base/globals.h"
#include "base/last_resort.h"
#include "base/settings_store.h"
#include "codepages/html_tags.h"
#include "control/document_control.h"
#include "editor/colour_settings.h"
#include "editor/editor_control.h"

namespace {

LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return SendMessageA(editorWindow, message, wParam, lParam);
}

static UINT_PTR ColourDialogHookUnguarded(HWND, UINT, WPARAM, LPARAM);

UINT_PTR CALLBACK ColourDialogHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return Guarded([&] { return ColourDialogHookUnguarded(window, message, wParam, lParam); }, UINT_PTR{0});
}

static UINT_PTR ColourDialogHookUnguarded(HWND dialog, UINT message, WPARAM, LPARAM) {
  if (message == WM_INITDIALOG) SendMessageA(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(appIconSmall));
  return 0;
}

// The system colour dialog from `colour`; false when it was cancelled.
bool PickColour(COLORREF& colour, bool withHook) {
  CHOOSECOLORA choice{};
  choice.lStructSize = sizeof choice;
  choice.hwndOwner = mainWindow;
  choice.rgbResult = colour;
  choice.lpCustColors = customColors;
  choice.Flags = CC_RGBINIT | CC_FULLOPEN;
  if (withHook) {
    choice.Flags |= CC_ENABLEHOOK;
    choice.lpfnHook = ColourDialogHook;
  }
  if (!ChooseColorA(&choice)) return false;
  colour = choice.rgbResult;
  return true;
}

void StoreColour(const char* name, COLORREF colour) { WriteSettingDword(name, static_cast<int32_t>(colour)); }

CHARFORMATW ColourFormat(COLORREF colour) {
  CHARFORMATW format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_COLOR;
  format.crTextColor = colour;
  return format;
}

std::string EditorText(LRESULT length) {
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  text.resize(static_cast<std::size_t>(Send(WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

// The whole text in the text colour, then every tag in one request.
void PaintTags(const std::string& text) {
  CHARFORMATW base = ColourFormat(StoredTextColour());
  Send(EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&base));
  std::vector<TagRange> tags = FindHtmlTags(text.data(), text.size());
  if (tags.empty()) return;
  std::vector<CHARRANGE> ranges(tags.size());
  for (std::size_t i = 0; i < tags.size(); ++i) ranges[i] = {tags[i].start, tags[i].end};
  COLOURRANGES request{StoredTagColour(), static_cast<LONG>(ranges.size()), ranges.data()};
  Send(EM_PAINTRANGES, 0, reinterpret_cast<LPARAM>(&request));
}

}  // namespace

void ChooseBackgroundColour() {
  COLORREF colour = StoredBackgroundColour();
  if (!PickColour(colour, true)) return;
  StoreColour("Bk", colour);
  if (editorWindow) Send(EM_SETBKGNDCOLOR, 0, colour);
}

// Every attribute uniform in the selection goes to the whole text with the
// colour; a selection of mixed colours leaves the colour to the next refresh.
void ChooseTextColour() {
  COLORREF colour = StoredTextColour();
  if (!PickColour(colour, true)) return;
  StoreColour("Cl", colour);
  if (!editorWindow) return;
  CHARFORMATW format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_COLOR;
  Send(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  format.crTextColor = colour;
  Send(EM_SETCHARFORMAT, 0, reinterpret_cast<LPARAM>(&format));
  Send(EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
}

void ChooseTagColour() {
  COLORREF colour = StoredTagColour();
  if (!PickColour(colour, false)) return;
  StoreColour("HTML", colour);
  PaintHtmlTags();
}

void PaintHtmlTags() {
  if (!editorWindow) return;
  LRESULT length = Send(WM_GETTEXTLENGTH);
  if (length < 2) return;
  LRESULT modified = Send(EM_GETMODIFY);
  LRESULT firstLine = Send(EM_GETFIRSTVISIBLELINE);
  Send(WM_SETREDRAW, FALSE);
  // Out of memory nothing was painted, or the text is back in its own colour; the user is told.
  bool painted = true;
  try {
    PaintTags(EditorText(length));
  } catch (const std::bad_alloc&) {
    painted = false;
  } catch (const std::length_error&) {  // more tags than a vector holds
    painted = false;
  }
  Send(EM_SETMODIFY, modified != 0);
  LRESULT now = Send(EM_GETFIRSTVISIBLELINE);
  if (now > firstLine) Send(EM_LINESCROLL, 0, firstLine - now);
  Send(WM_SETREDRAW, TRUE);
  InvalidateRect(editorWindow, nullptr, FALSE);
  if (!painted) ReportOutOfMemory();
}
