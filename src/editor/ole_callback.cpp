#include "editor/ole_callback.h"

#include "conversion/undo_commands.h"

EditorOleCallback editorOleCallback;

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

STDMETHODIMP EditorOleCallback::QueryAcceptData(LPDATAOBJECT, CLIPFORMAT* format, DWORD operation, BOOL, HGLOBAL) {
  if (operation == RECO_DROP) {
    if (format) *format = CF_TEXT;
    RecordUndo(UndoSnapshot, 0);
  }
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
