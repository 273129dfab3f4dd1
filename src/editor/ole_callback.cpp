#include "editor/ole_callback.h"

#include <richedit.h>

#include <new>
#include <string>

#include "base/globals.h"
#include "base/window_messages.h"
#include "codepages/code_pages.h"
#include "control/text_transfer.h"
#include "editor/editor_control.h"
#include "editor/memory_stream.h"
#include "editor/undo_commands.h"
#include "editor/view_format.h"
#include "engine/engine_types.h"

EditorOleCallback editorOleCallback;

namespace {

// The KOI8-R view takes dropped text as DOS-866 and recodes it, as Paste does;
// the control cannot, so the text is put in here.
HRESULT DropKoi8Text(IDataObject* data) {
  std::string text;
  if (!ReadDroppedText(data, CF_OEMTEXT, text)) return E_FAIL;
  if (text.size() > static_cast<std::size_t>(MaxTextLength)) return E_FAIL;  // more than any text holds
  RecodeBytes(reinterpret_cast<unsigned char*>(text.data()), text.size(), OemToKoi8, NoTable);
  if (!RecordUndoOrRefuse(UndoSnapshot, 0)) return E_OUTOFMEMORY;
  auto length = static_cast<int32_t>(text.size());
  MemoryStream stream{0, length, reinterpret_cast<BYTE*>(text.data()), length};
  DWORD error = StreamInFromMemory(&stream, SF_TEXT | SFF_SELECTION);
  if (error == 0) return S_FALSE;
  WithdrawUndoStep();  // nothing went in
  return error == ERROR_NOT_ENOUGH_MEMORY ? E_OUTOFMEMORY : E_FAIL;
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
  if (viewCodePage == Koi8 && !IsDragFromControl(editorWindow, data)) {
    try {
      return DropKoi8Text(data);
    } catch (const std::bad_alloc&) {
      return E_OUTOFMEMORY;
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
