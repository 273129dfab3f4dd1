// The IUnknown part of the control's COM objects: one interface, a reference
// count, and the object deletes itself at its last Release.
#pragma once
#include <windows.h>
#include <ole2.h>

template <typename Interface>
class ComObject : public Interface {
 public:
  STDMETHODIMP QueryInterface(REFIID riid, void** object) override {
    if (!object) return E_POINTER;
    if (riid == IID_IUnknown || riid == interfaceId_) {
      *object = static_cast<Interface*>(this);
      this->AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
  STDMETHODIMP_(ULONG) Release() override {
    LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

 protected:
  explicit ComObject(REFIID interfaceId) : interfaceId_(interfaceId) {}
  virtual ~ComObject() = default;

 private:
  const IID& interfaceId_;
  LONG references_ = 1;  // the creator's
};
