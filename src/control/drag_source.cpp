#include "control/drag_source.h"

#include <richole.h>

#include <new>

#include "codepages/unicode_maps.h"
#include "codepages/utf8.h"
#include "control/com_object.h"
#include "control/control_editing.h"
#include "control/text_transfer.h"
#include "control/view_font.h"
#include "control/wide_text.h"

namespace {

// The drag goes on while the left button is down; Esc gives it up.
class DropSource final : public ComObject<IDropSource> {
 public:
  DropSource() : ComObject(IID_IDropSource) {}
  STDMETHODIMP QueryContinueDrag(BOOL escape, DWORD keys) override {
    if (escape) return DRAGDROP_S_CANCEL;
    return (keys & MK_LBUTTON) ? S_OK : DRAGDROP_S_DROP;
  }
  STDMETHODIMP GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

// The selected bytes as other programs read them: the characters the view
// shows, in Unicode and in both 8-bit formats.
// In the UTF-8 view a byte that starts no character has none to give: U+FFFD.
std::wstring ViewText(const std::string& bytes, CodePage codePage) {
  std::wstring text;
  text.reserve(bytes.size());
  const auto* at = reinterpret_cast<const unsigned char*>(bytes.data());
  for (std::size_t i = 0; i < bytes.size();) {
    if (codePage != Utf8 || at[i] < 0x80) {
      text.push_back(static_cast<wchar_t>(ByteToUnicode(codePage, at[i++])));
      continue;
    }
    Utf8Sequence sequence = DecodeUtf8(at + i, bytes.size() - i);
    bool valid = sequence.status == Utf8Status::Valid;
    wchar_t units[2] = {ReplacementCharacter, 0};
    text.append(units, valid ? Utf16Of(sequence.codePoint, units) : 1);
    i += valid ? sequence.length : 1;
  }
  return text;
}

std::vector<DataBlock> TextBlocks(const std::string& bytes, CodePage codePage) {
  std::wstring text = ViewText(bytes, codePage);
  std::string wide(reinterpret_cast<const char*>(text.c_str()), (text.size() + 1) * sizeof(wchar_t));
  std::vector<DataBlock> blocks{{CF_UNICODETEXT, std::move(wide)}};
  for (CLIPFORMAT format : {CF_TEXT, CF_OEMTEXT}) {
    std::string narrow = BytesFromWide(text, CodePageOfFormat(format));
    narrow.push_back('\0');
    blocks.push_back({format, std::move(narrow)});
  }
  return blocks;
}

// The owner's data object for the drag when its OLE callback gives one.
IDataObject* DragData(DocumentControl& control, PositionRange selection) {
  IDataObject* data = nullptr;
  CHARRANGE range{selection.start, selection.end};
  auto* callback = static_cast<IRichEditOleCallback*>(control.oleCallback);
  if (callback && callback->GetClipboardData(&range, RECO_DRAG, &data) == S_OK && data) return data;
  try {
    return CreateTextDataObject(TextBlocks(control.engine.GetTextRange(selection), control.viewCodePage));
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

// Text moved to another window goes from here; the deletion is an ordinary
// change, so it can be undone.
void RemoveMovedText(DocumentControl& control, PositionRange selection, Position lengthBefore) {
  if (control.readOnly || control.engine.GetLength() != lengthBefore) return;
  control.engine.SetSelection(selection.start, selection.end);
  ReplaceSelection(control, {}, UndoAction::Separate);
}

}  // namespace

void StartTextDrag(DocumentControl& control) {
  PositionRange selection = control.engine.GetSelection();
  if (selection.start == selection.end) return;
  IDataObject* data = DragData(control, selection);
  auto* source = new (std::nothrow) DropSource;
  if (data && source) {
    HWND window = control.window;
    Position lengthBefore = control.engine.GetLength();
    control.dragData = data;
    control.dragLanded = false;
    DWORD effect = DROPEFFECT_NONE;
    DWORD allowed = control.readOnly ? DROPEFFECT_COPY : DROPEFFECT_COPY | DROPEFFECT_MOVE;
    HRESULT result = DoDragDrop(data, source, allowed, &effect);
    // A drop may have destroyed the window meanwhile.
    if (IsWindow(window) && ControlOf(window) == &control) {
      control.dragData = nullptr;
      if (result == DRAGDROP_S_DROP && effect == DROPEFFECT_MOVE && !control.dragLanded) {
        RemoveMovedText(control, selection, lengthBefore);
      }
    }
  }
  if (source) source->Release();
  if (data) data->Release();
}

bool IsDragFromControl(HWND window, IDataObject* data) {
  DocumentControl* control = data ? ControlOf(window) : nullptr;
  return control && control->dragData == data;
}
