#include "editor/ole_callback.h"

#include <richedit.h>

#include <new>
#include <string>

#include "base/globals.h"
#include "base/window_messages.h"
#include "codepages/code_pages.h"
#include "codepages/utf8.h"
#include "codepages/utf8_recoding.h"
#include "control/text_transfer.h"
#include "editor/editor_control.h"
#include "editor/memory_stream.h"
#include "editor/undo_commands.h"
#include "editor/view_format.h"
#include "engine/engine_types.h"

EditorOleCallback editorOleCallback;

namespace {

// Dropped text the control cannot take as it is goes in here, one undo step.
HRESULT DropConvertedText(std::string& text) {
  if (text.size() > static_cast<std::size_t>(MaxTextLength)) return E_FAIL;  // more than any text holds
  if (!RecordUndoOrRefuse(UndoSnapshot, 0)) return E_OUTOFMEMORY;
  auto length = static_cast<int32_t>(text.size());
  MemoryStream stream{0, length, reinterpret_cast<BYTE*>(text.data()), length};
  DWORD error = StreamInFromMemory(&stream, SF_TEXT | SFF_SELECTION);
  if (error == 0) return S_FALSE;
  WithdrawUndoStep();  // nothing went in
  return error == ERROR_NOT_ENOUGH_MEMORY ? E_OUTOFMEMORY : E_FAIL;
}

// The KOI8-R view takes dropped text as DOS-866 and recodes it, as Paste does.
HRESULT DropKoi8Text(IDataObject* data) {
  std::string text;
  if (!ReadDroppedText(data, CF_OEMTEXT, text)) return E_FAIL;
  RecodeBytes(reinterpret_cast<unsigned char*>(text.data()), text.size(), OemToKoi8, NoTable);
  return DropConvertedText(text);
}

// The dropped text's UTF-16 up to its first zero; false when the data offers none.
bool ReadDroppedUnicode(IDataObject* data, std::u16string& text) {
  FORMATETC format{CF_UNICODETEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  STGMEDIUM medium{};
  if (FAILED(data->GetData(&format, &medium))) return false;
  const auto* units = static_cast<const char16_t*>(GlobalLock(medium.hGlobal));
  if (units) {
    std::size_t length = 0;
    const std::size_t capacity = GlobalSize(medium.hGlobal) / sizeof(char16_t);
    while (length < capacity && units[length]) ++length;
    text.assign(units, length);
    GlobalUnlock(medium.hGlobal);
  }
  ReleaseStgMedium(&medium);
  return units != nullptr;
}

// The UTF-8 view takes UTF-16 when offered, else Windows-1251, as Paste does.
HRESULT DropUtf8Text(IDataObject* data) {
  std::u16string wide;
  std::string text;
  if (ReadDroppedUnicode(data, wide)) {
    text = Utf8FromUtf16(wide);
  } else {
    std::string ansi;
    if (!ReadDroppedText(data, CF_TEXT, ansi)) return E_FAIL;
    AppendPageAsUtf8(Ansi, ansi, text);
  }
  return DropConvertedText(text);
}

}  // namespace

STDMETHODIMP EditorOleCallback::QueryInterface(REFIID, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) EditorOleCallback::AddRef() { return 2; }
STDMETHODIMP_(ULONG) EditorOleCallback::Release() { return 1; }

STDMETHODIMP EditorOleCallback::GetNewStorage(LPSTORAGE*) { return E_NOTIMPL; }

STDMETHODIMP EditorOleCallback::GetInPlaceContext(LPOLEINPLACEFRAME*, LPOLEINPLACEUIWINDOW*, LPOLEINPLACEFRAMEINFO) {
  return E_NOTIMPL;
}

STDMETHODIMP EditorOleCallback::ShowContainerUI(BOOL) { return E_NOTIMPL; }
STDMETHODIMP EditorOleCallback::QueryInsertObject(LPCLSID, LPSTORAGE, LONG) { return S_OK; }
STDMETHODIMP EditorOleCallback::DeleteObject(LPOLEOBJECT) { return S_OK; }

// Asked once more with `really` when the drop happens: only then is the undo
// step recorded. The editor's own drag is moved as it is, bytes unchanged.
STDMETHODIMP EditorOleCallback::QueryAcceptData(LPDATAOBJECT data, CLIPFORMAT* format, DWORD operation, BOOL really,
                                                HGLOBAL) {
  if (operation != RECO_DROP) return S_OK;
  if (format) *format = static_cast<CLIPFORMAT>(ViewClipboardFormat());
  if (!really) return S_OK;
  // The status bar shows the caret where the dropped text ends, once it is in.
  PostMessageA(mainWindow, caretMovedMessage, 0, 0);
  if ((viewCodePage == Koi8 || viewCodePage == Utf8) && !IsDragFromControl(editorWindow, data)) {
    try {
      return viewCodePage == Utf8 ? DropUtf8Text(data) : DropKoi8Text(data);
    } catch (const std::bad_alloc&) {
      return E_OUTOFMEMORY;
    } catch (...) {  // nothing may be thrown back into the control
      return E_UNEXPECTED;
    }
  }
  RecordUndo(UndoSnapshot, 0);
  return S_OK;
}

STDMETHODIMP EditorOleCallback::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

STDMETHODIMP EditorOleCallback::GetClipboardData(CHARRANGE*, DWORD, LPDATAOBJECT* data) {
  if (!data) return E_POINTER;
  *data = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP EditorOleCallback::GetDragDropEffect(BOOL, DWORD, LPDWORD) { return E_NOTIMPL; }

// The context menu is the input procedure's.
STDMETHODIMP EditorOleCallback::GetContextMenu(WORD, LPOLEOBJECT, CHARRANGE*, HMENU* menu) {
  if (menu) *menu = nullptr;
  return E_NOTIMPL;
}
