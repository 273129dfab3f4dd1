// The callback object handed to the editor: no embedded objects, default
// clipboard and drag effects, and an undo step before text is dropped.
#pragma once
#include <windows.h>
#include <richole.h>

class EditorOleCallback final : public IRichEditOleCallback {
 public:
  // One static object for the life of the process: no reference counting.
  STDMETHODIMP QueryInterface(REFIID riid, void** object) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;
  STDMETHODIMP GetNewStorage(LPSTORAGE* storage) override;
  STDMETHODIMP GetInPlaceContext(LPOLEINPLACEFRAME* frame, LPOLEINPLACEUIWINDOW* document,
                                 LPOLEINPLACEFRAMEINFO frameInfo) override;
  STDMETHODIMP ShowContainerUI(BOOL show) override;
  STDMETHODIMP QueryInsertObject(LPCLSID classId, LPSTORAGE storage, LONG position) override;
  STDMETHODIMP DeleteObject(LPOLEOBJECT object) override;
  // A drop is taken as text in the view code page's clipboard format and
  // recorded for undo first.
  STDMETHODIMP QueryAcceptData(LPDATAOBJECT data, CLIPFORMAT* format, DWORD operation, BOOL really,
                               HGLOBAL metaPicture) override;
  STDMETHODIMP ContextSensitiveHelp(BOOL enterMode) override;
  STDMETHODIMP GetClipboardData(CHARRANGE* range, DWORD operation, LPDATAOBJECT* data) override;
  STDMETHODIMP GetDragDropEffect(BOOL drag, DWORD keyState, LPDWORD effect) override;
  STDMETHODIMP GetContextMenu(WORD selectionType, LPOLEOBJECT object, CHARRANGE* range, HMENU* menu) override;
};

extern EditorOleCallback editorOleCallback;
