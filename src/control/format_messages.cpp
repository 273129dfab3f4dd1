// Character format, font, background colour and view code page: everything
// that changes how the bytes look but never the bytes.
#include <richedit.h>

#include <new>
#include <vector>

#include "control/char_format_mapping.h"
#include "control/control_caret.h"
#include "control/control_messages.h"
#include "control/control_view.h"
#include "control/document_control.h"

namespace {

constexpr std::uint32_t FontFields = FormatEvery & ~std::uint32_t{FormatColour};

bool SameFont(const CharFormat& a, const CharFormat& b) {
  return a.face == b.face && a.pitchAndFamily == b.pitchAndFamily && a.height == b.height && a.charset == b.charset &&
         a.bold == b.bold && a.italic == b.italic;
}

// After a format change: a new font when the text's font fields changed, and
// the rows laid out again in it.
void ShowTextFormat(DocumentControl& control) {
  CharFormat shown = control.engine.GetTextFormat();
  if (!SameFont(shown, control.fontFormat)) {
    control.fontFormat = shown;
    BuildViewFont(control.font, shown, control.viewCodePage, control.dpi);
    ResizeCaret(control);
    AfterLayoutChange(control);
  }
  RefreshView(control);
}

LRESULT SetCharFormat(DocumentControl& control, WPARAM scope, const CHARFORMATA* record) {
  CharFormat format;
  std::uint32_t mask = 0;
  if (!record || !FormatFromCharFormat(*record, format, mask)) return FALSE;
  DocumentEngine& engine = control.engine;
  if (scope & SCF_ALL) {
    engine.SetTextFormat(format, mask);
  } else if (scope & SCF_SELECTION) {
    engine.SetRangeFormat(engine.GetSelection(), format, mask);
  } else {
    engine.SetDefaultFormat(format, mask);
  }
  ShowTextFormat(control);
  return TRUE;
}

LRESULT PaintRanges(DocumentControl& control, const COLOURRANGES* request) {
  if (!request || request->count < 0 || (request->count > 0 && !request->ranges)) return FALSE;
  try {
    std::vector<PositionRange> ranges(static_cast<std::size_t>(request->count));
    for (std::size_t i = 0; i < ranges.size(); ++i) ranges[i] = {request->ranges[i].cpMin, request->ranges[i].cpMax};
    if (!control.engine.PaintRanges(ranges.data(), ranges.size(), request->colour)) return FALSE;
  } catch (const std::bad_alloc&) {
    return FALSE;
  }
  RefreshView(control);
  return TRUE;
}

LRESULT GetCharFormat(const DocumentControl& control, WPARAM selection, CHARFORMATA* record) {
  if (!record || record->cbSize < sizeof(CHARFORMATA)) return 0;
  if (selection) {
    FormatQuery query = control.engine.GetRangeFormat(control.engine.GetSelection());
    CharFormatFromFormat(query.format, query.uniform, *record);
  } else {
    CharFormatFromFormat(control.engine.GetDefaultFormat(), FormatEvery, *record);
  }
  return static_cast<LRESULT>(record->dwMask);
}

// A font handed over as to any window becomes the font of the whole text.
void SetFont(DocumentControl& control, HFONT handle) {
  LOGFONTW font{};
  if (!handle || !GetObjectW(handle, sizeof font, &font)) return;
  CharFormat format;
  format.face = EngineFace(font.lfFaceName);
  format.pitchAndFamily = font.lfPitchAndFamily;
  format.height = MulDiv(font.lfHeight < 0 ? -font.lfHeight : font.lfHeight, 1440, control.dpi);
  format.charset = font.lfCharSet;
  format.bold = font.lfWeight >= FW_SEMIBOLD;
  format.italic = font.lfItalic != 0;
  control.engine.SetDefaultFormat(format, FontFields);
  control.engine.SetTextFormat(format, FontFields);
  ShowTextFormat(control);
}

LRESULT SetBackground(DocumentControl& control, WPARAM useSystem, LPARAM colour) {
  COLORREF previous = control.systemBackground ? GetSysColor(COLOR_WINDOW) : control.background;
  control.systemBackground = useSystem != 0;
  control.background = static_cast<COLORREF>(colour);
  if (control.redraw) InvalidateRect(control.window, nullptr, FALSE);
  return static_cast<LRESULT>(previous);
}

LRESULT SetViewCodePage(DocumentControl& control, WPARAM codePage) {
  CodePage previous = control.viewCodePage;
  if (codePage > Koi8 && codePage != Utf8) return previous;
  control.viewCodePage = static_cast<CodePage>(codePage);
  control.engine.SetCodePage(control.viewCodePage);
  MeasureBytes(control.font, control.viewCodePage);
  KeepSelectionOnCharacters(control);  // no byte changes
  AfterLayoutChange(control);
  RefreshView(control);
  return previous;
}

}  // namespace

bool HandleFormatMessage(DocumentControl& control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case EM_SETCHARFORMAT:
      result = SetCharFormat(control, wParam, reinterpret_cast<const CHARFORMATA*>(lParam));
      return true;
    case EM_PAINTRANGES:
      result = PaintRanges(control, reinterpret_cast<const COLOURRANGES*>(lParam));
      return true;
    case EM_GETCHARFORMAT:
      result = GetCharFormat(control, wParam, reinterpret_cast<CHARFORMATA*>(lParam));
      return true;
    case WM_SETFONT:
      SetFont(control, reinterpret_cast<HFONT>(wParam));
      result = 0;
      return true;
    case WM_GETFONT:
      result = reinterpret_cast<LRESULT>(control.font.handle);
      return true;
    case EM_SETBKGNDCOLOR:
      result = SetBackground(control, wParam, lParam);
      return true;
    case EM_SETVIEWCODEPAGE:
      result = SetViewCodePage(control, wParam);
      return true;
    case EM_GETVIEWCODEPAGE:
      result = control.viewCodePage;
      return true;
    default:
      return false;
  }
}
