// The data object of a drag out of the control: fixed blocks, each handed out
// as a fresh HGLOBAL copy that the taker releases.
#include <shlobj.h>

#include <cstring>
#include <new>
#include <utility>

#include "control/com_object.h"
#include "control/text_transfer.h"

namespace {

class TextDataObject final : public ComObject<IDataObject> {
 public:
  explicit TextDataObject(std::vector<DataBlock> blocks) : ComObject(IID_IDataObject), blocks_(std::move(blocks)) {}

  STDMETHODIMP GetData(FORMATETC* format, STGMEDIUM* medium) override {
    if (!format || !medium) return E_INVALIDARG;
    const DataBlock* block = Find(*format);
    if (!block) return DV_E_FORMATETC;
    HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, block->bytes.size());
    void* target = copy ? GlobalLock(copy) : nullptr;
    if (!target) {
      if (copy) GlobalFree(copy);
      return E_OUTOFMEMORY;
    }
    std::memcpy(target, block->bytes.data(), block->bytes.size());
    GlobalUnlock(copy);
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = copy;
    medium->pUnkForRelease = nullptr;
    return S_OK;
  }
  STDMETHODIMP GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  STDMETHODIMP QueryGetData(FORMATETC* format) override {
    if (!format) return E_INVALIDARG;
    return Find(*format) ? S_OK : DV_E_FORMATETC;
  }
  STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC* canonical) override {
    if (canonical) canonical->ptd = nullptr;
    return DATA_S_SAMEFORMATETC;
  }
  STDMETHODIMP SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  STDMETHODIMP EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override {
    if (!formats) return E_POINTER;
    *formats = nullptr;
    if (direction != DATADIR_GET) return E_NOTIMPL;
    std::vector<FORMATETC> offered;
    for (const DataBlock& block : blocks_) {
      offered.push_back({block.format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL});
    }
    return SHCreateStdEnumFmtEtc(static_cast<UINT>(offered.size()), offered.data(), formats);
  }
  STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return OLE_E_ADVISENOTSUPPORTED; }
  STDMETHODIMP DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

 private:
  const DataBlock* Find(const FORMATETC& format) const {
    if (!(format.tymed & TYMED_HGLOBAL) || format.dwAspect != DVASPECT_CONTENT) return nullptr;
    for (const DataBlock& block : blocks_) {
      if (block.format == format.cfFormat) return &block;
    }
    return nullptr;
  }

  std::vector<DataBlock> blocks_;
};

}  // namespace

IDataObject* CreateTextDataObject(std::vector<DataBlock> blocks) {
  return new (std::nothrow) TextDataObject(std::move(blocks));
}
