#include "control/drop_target.h"

#include <richole.h>

#include <cstring>
#include <new>
#include <utility>

#include "control/com_object.h"
#include "control/control_caret.h"
#include "control/control_editing.h"
#include "control/control_geometry.h"
#include "control/control_view.h"
#include "control/text_transfer.h"
#include "engine/text_move.h"

namespace {

enum class DropKind { None, OwnText, Text, Files };

bool Offers(IDataObject* data, CLIPFORMAT format) {
  FORMATETC request{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  return data->QueryGetData(&request) == S_OK;
}

bool OffersText(IDataObject* data) {
  return Offers(data, CF_UNICODETEXT) || Offers(data, CF_TEXT) || Offers(data, CF_OEMTEXT);
}

IRichEditOleCallback* CallbackOf(const DocumentControl& control) {
  return static_cast<IRichEditOleCallback*>(control.oleCallback);
}

// Asks the owner whether the text may come; `really` when it comes now (the
// owner may record an undo step, or take the text in itself and answer S_FALSE).
HRESULT AskOwner(const DocumentControl& control, IDataObject* data, CLIPFORMAT& format, bool really) {
  IRichEditOleCallback* callback = CallbackOf(control);
  return callback ? callback->QueryAcceptData(data, &format, RECO_DROP, really, nullptr) : S_OK;
}

DropKind KindOf(const DocumentControl& control, IDataObject* data) {
  if (!data) return DropKind::None;
  if ((GetWindowLongA(control.window, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) && Offers(data, CF_HDROP)) {
    return DropKind::Files;
  }
  if (control.readOnly) return DropKind::None;
  bool own = control.dragData == data;
  if (!own && !OffersText(data)) return DropKind::None;
  CLIPFORMAT format = 0;
  if (FAILED(AskOwner(control, data, format, false))) return DropKind::None;
  return own ? DropKind::OwnText : DropKind::Text;
}

// Ctrl copies; otherwise text is moved, as far as the source allows.
DWORD EffectOf(DropKind kind, DWORD keys, DWORD allowed) {
  if (kind == DropKind::None) return DROPEFFECT_NONE;
  DWORD wanted = kind == DropKind::Files || (keys & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
  if (allowed & wanted) return wanted;
  if (kind == DropKind::Files) return DROPEFFECT_NONE;  // never let a file drop move the file
  return allowed & (DROPEFFECT_COPY | DROPEFFECT_MOVE) & ~wanted;
}

// The text limit refused the text: a beep, as for a paste, and no change.
DWORD Refused() {
  MessageBeep(MB_OK);
  return DROPEFFECT_NONE;
}

Position PositionAt(const DocumentControl& control, POINTL screen) {
  POINT point{screen.x, screen.y};
  ScreenToClient(control.window, &point);
  return PositionOfPoint(control, point);
}

// Hovering within a row of the top or bottom edge scrolls a row each time the
// system asks again, so that text can be dropped beyond the view.
void ScrollNearEdge(DocumentControl& control, POINTL screen) {
  POINT point{screen.x, screen.y};
  ScreenToClient(control.window, &point);
  RECT area = TextArea(control);
  int margin = control.font.lineHeight;
  int rows = point.y < area.top + margin ? -1 : point.y >= area.bottom - margin ? 1 : 0;
  if (rows != 0 && ScrollRows(control, rows) != 0) RefreshView(control);
}

// The dropped text selected as the user would select it: stray bytes at the
// landing place may have joined its ends into characters.
void SelectLanded(DocumentControl& control, Position anchor, Position caret) {
  SelectByUser(control, control.engine.CharacterStart(anchor), control.engine.CharacterStart(caret));
}

// The control's own selection, moved or copied as it is, zero bytes included.
DWORD DropOwnText(DocumentControl& control, IDataObject* data, Position target, DWORD effect) {
  DocumentEngine& engine = control.engine;
  PositionRange source = engine.GetSelection();
  TextMove move;
  bool moving = effect == DROPEFFECT_MOVE;
  if (moving ? !PlanTextMove(source, target, move) : target > source.start && target < source.end) {
    return DROPEFFECT_NONE;  // dropped onto itself
  }
  CLIPFORMAT format = 0;
  if (FAILED(AskOwner(control, data, format, true))) return DROPEFFECT_NONE;
  control.dragLanded = true;
  PositionRange landed;
  if (moving) {
    std::string span = engine.GetTextRange(move.span);
    engine.SetSelection(move.span.start, move.span.end);
    if (!ReplaceSelection(control, MovedSpan(span, move), UndoAction::Separate)) return DROPEFFECT_NONE;
    landed = move.landed;
  } else {
    std::string copy = engine.GetTextRange(source);
    engine.SetSelection(target, target);
    if (!ReplaceSelection(control, copy, UndoAction::Separate)) return Refused();
    landed = {target, target + static_cast<Position>(copy.size())};
  }
  SelectLanded(control, landed.start, landed.end);
  return effect;
}

// Text from elsewhere, in the format the owner asks for (CF_TEXT by default).
DWORD DropText(DocumentControl& control, IDataObject* data, Position target, DWORD effect) {
  SelectByUser(control, target, target);
  CLIPFORMAT format = 0;
  HRESULT answer = AskOwner(control, data, format, true);
  if (FAILED(answer)) return DROPEFFECT_NONE;
  if (answer == S_OK) {
    std::string text;
    // The UTF-8 view takes the characters themselves unless the owner asks for a format.
    bool read = format == 0 && control.viewCodePage == Utf8 ? ReadDroppedUtf8(data, text)
                                                             : ReadDroppedText(data, format ? format : CF_TEXT, text);
    if (!read) return DROPEFFECT_NONE;
    if (!ReplaceSelection(control, text, UndoAction::Separate)) return Refused();
  }
  // The dropped text ends where the insertion left the caret.
  SelectLanded(control, target, control.engine.GetCaret());
  return effect;
}

// Files go to the window's WM_DROPFILES handler, after the drag has ended:
// opening one may ask questions, which must not hold the dragging program.
DWORD DropFiles(const DocumentControl& control, IDataObject* data) {
  FORMATETC request{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  STGMEDIUM medium{};
  if (data->GetData(&request, &medium) != S_OK) return DROPEFFECT_NONE;
  HGLOBAL copy = nullptr;
  if (medium.tymed == TYMED_HGLOBAL && medium.hGlobal) {
    SIZE_T size = GlobalSize(medium.hGlobal);
    const void* from = GlobalLock(medium.hGlobal);
    copy = from ? GlobalAlloc(GMEM_MOVEABLE, size) : nullptr;
    void* to = copy ? GlobalLock(copy) : nullptr;
    if (to) {
      std::memcpy(to, from, size);
      GlobalUnlock(copy);
    } else if (copy) {
      GlobalFree(copy);
      copy = nullptr;
    }
    if (from) GlobalUnlock(medium.hGlobal);
  }
  ReleaseStgMedium(&medium);
  if (!copy) return DROPEFFECT_NONE;
  if (!PostMessageA(control.window, WM_DROPFILES, reinterpret_cast<WPARAM>(copy), 0)) {
    GlobalFree(copy);
    return DROPEFFECT_NONE;
  }
  return DROPEFFECT_COPY;
}

DWORD Land(DocumentControl& control, DropKind kind, IDataObject* data, Position target, DWORD effect) {
  if (kind == DropKind::Files) return DropFiles(control, data);
  if (kind == DropKind::OwnText) return DropOwnText(control, data, target, effect);
  return DropText(control, data, target, effect);
}

class ControlDropTarget final : public ComObject<IDropTarget> {
 public:
  explicit ControlDropTarget(HWND window) : ComObject(IID_IDropTarget), window_(window) {}

  STDMETHODIMP DragEnter(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override {
    DocumentControl* control = ControlOf(window_);
    kind_ = control ? KindOf(*control, data) : DropKind::None;
    return DragOver(keys, point, effect);
  }
  STDMETHODIMP DragOver(DWORD keys, POINTL point, DWORD* effect) override {
    if (!effect) return E_INVALIDARG;
    DocumentControl* control = ControlOf(window_);
    *effect = control ? EffectOf(kind_, keys, *effect) : DROPEFFECT_NONE;
    if (*effect != DROPEFFECT_NONE && kind_ != DropKind::Files) {
      ScrollNearEdge(*control, point);
      ShowDropCaret(*control, PositionAt(*control, point));
    }
    return S_OK;
  }
  STDMETHODIMP DragLeave() override {
    kind_ = DropKind::None;
    if (DocumentControl* control = ControlOf(window_)) HideDropCaret(*control);
    return S_OK;
  }
  STDMETHODIMP Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override {
    if (!effect) return E_INVALIDARG;
    DropKind kind = std::exchange(kind_, DropKind::None);
    DocumentControl* control = ControlOf(window_);
    if (!control || !data) {
      *effect = DROPEFFECT_NONE;
      return S_OK;
    }
    HideDropCaret(*control);
    *effect = EffectOf(kind, keys, *effect);
    if (*effect == DROPEFFECT_NONE) return S_OK;
    try {
      *effect = Land(*control, kind, data, PositionAt(*control, point), *effect);
    } catch (...) {
      *effect = DROPEFFECT_NONE;  // nothing may be thrown back to the dragging program
    }
    return S_OK;
  }

 private:
  HWND window_;
  DropKind kind_ = DropKind::None;
};

}  // namespace

void RegisterDropTarget(DocumentControl& control) {
  auto* target = new (std::nothrow) ControlDropTarget(control.window);
  if (!target) return;
  // The registration holds its own reference.
  control.dropTargetRegistered = SUCCEEDED(RegisterDragDrop(control.window, target));
  target->Release();
}

void RevokeDropTarget(DocumentControl& control) {
  if (!control.dropTargetRegistered) return;
  RevokeDragDrop(control.window);
  control.dropTargetRegistered = false;
}
