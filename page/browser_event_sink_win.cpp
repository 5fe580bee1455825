#include "page/browser_event_sink_win.h"

#include <exdispid.h>
#include <ocidl.h>

namespace {

// Releases a COM reference when the scope ends.
template <typename T>
class ComRef {
 public:
  ComRef() = default;
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  ~ComRef() {
    if (pointer_ != nullptr) pointer_->Release();
  }
  T* get() const { return pointer_; }
  T** out() { return &pointer_; }
  void** outVoid() { return reinterpret_cast<void**>(&pointer_); }
  T* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }

 private:
  T* pointer_ = nullptr;
};

// Gives a function description back to its type info when the scope ends.
class FuncDescRef {
 public:
  FuncDescRef(ITypeInfo* info, FUNCDESC* desc) : info_(info), desc_(desc) {}
  FuncDescRef(const FuncDescRef&) = delete;
  FuncDescRef& operator=(const FuncDescRef&) = delete;
  ~FuncDescRef() {
    if (desc_ != nullptr) info_->ReleaseFuncDesc(desc_);
  }
  const FUNCDESC* get() const { return desc_; }

 private:
  ITypeInfo* info_;
  FUNCDESC* desc_;
};

// True when a parameter is declared as VARIANT_BOOL* (an in/out flag).
bool IsBoolReference(const TYPEDESC& type) {
  return type.vt == VT_PTR && type.lptdesc != nullptr && type.lptdesc->vt == VT_BOOL;
}

// The description of the event with dispatch id `id`, or null; the caller
// gives it back with ReleaseFuncDesc.
FUNCDESC* FindFuncDesc(ITypeInfo* info, DISPID id) {
  TYPEATTR* attributes = nullptr;
  if (FAILED(info->GetTypeAttr(&attributes)) || attributes == nullptr) return nullptr;
  const UINT count = attributes->cFuncs;
  info->ReleaseTypeAttr(attributes);
  for (UINT i = 0; i < count; ++i) {
    FUNCDESC* desc = nullptr;
    if (FAILED(info->GetFuncDesc(i, &desc)) || desc == nullptr) continue;
    if (desc->memid == id) return desc;
    info->ReleaseFuncDesc(desc);
  }
  return nullptr;
}

}  // namespace

BrowserEventSink::BrowserEventSink() : eventInterface_(DIID_DWebBrowserEvents2) {}

BrowserEventSink::~BrowserEventSink() {
  if (eventTypeInfo_ != nullptr) eventTypeInfo_->Release();
  if (controlObject_ != nullptr) controlObject_->Release();
}

HRESULT STDMETHODCALLTYPE BrowserEventSink::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
      IsEqualIID(iid, DIID_DWebBrowserEvents2) || IsEqualIID(iid, eventInterface_)) {
    *object = static_cast<DWebBrowserEvents2*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE BrowserEventSink::AddRef() {
  return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG STDMETHODCALLTYPE BrowserEventSink::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT STDMETHODCALLTYPE BrowserEventSink::GetTypeInfoCount(UINT* count) {
  if (count == nullptr) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE BrowserEventSink::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info != nullptr) *info = nullptr;
  return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE BrowserEventSink::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID,
                                                          DISPID*) {
  return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE BrowserEventSink::Invoke(DISPID id, REFIID, LCID, WORD,
                                                   DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                                   UINT*) {
  // Without the event interface's description the arguments cannot be
  // decoded, and every event is ignored.
  if (eventTypeInfo_ == nullptr) return S_OK;
  switch (id) {
    case DISPID_NEWWINDOW2: OnNewWindow2(params); break;
    case DISPID_ONQUIT: OnQuit(); break;
    default: break;
  }
  return S_OK;
}

void BrowserEventSink::HoldControl(IUnknown* control) {
  if (control != nullptr) control->AddRef();
  if (controlObject_ != nullptr) controlObject_->Release();
  controlObject_ = control;
}

HRESULT BrowserEventSink::LearnEventInterface() {
  if (controlObject_ == nullptr) return E_POINTER;
  // The default event interface, as the control's class information names it.
  ComRef<IProvideClassInfo2> classInfo;
  HRESULT hr = controlObject_->QueryInterface(IID_IProvideClassInfo2, classInfo.outVoid());
  if (FAILED(hr)) return hr;
  IID source;
  hr = classInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &source);
  if (FAILED(hr)) return hr;
  eventInterface_ = source;

  // The type library the control's own dispatch interface comes from.
  ComRef<IDispatch> dispatch;
  hr = controlObject_->QueryInterface(IID_IDispatch, dispatch.outVoid());
  if (FAILED(hr)) return hr;
  ComRef<ITypeInfo> controlInfo;
  hr = dispatch->GetTypeInfo(0, LOCALE_USER_DEFAULT, controlInfo.out());
  if (FAILED(hr) || !controlInfo) return FAILED(hr) ? hr : E_FAIL;
  ComRef<ITypeLib> library;
  UINT index = 0;
  hr = controlInfo->GetContainingTypeLib(library.out(), &index);
  if (FAILED(hr) || !library) return FAILED(hr) ? hr : E_FAIL;
  TLIBATTR* attributes = nullptr;
  hr = library->GetLibAttr(&attributes);
  if (FAILED(hr) || attributes == nullptr) return FAILED(hr) ? hr : E_FAIL;
  typeLibrary_.guid = attributes->guid;
  typeLibrary_.majorVersion = attributes->wMajorVerNum;
  typeLibrary_.minorVersion = attributes->wMinorVerNum;
  library->ReleaseTLibAttr(attributes);

  ITypeInfo* eventInfo = nullptr;
  hr = library->GetTypeInfoOfGuid(eventInterface_, &eventInfo);
  if (FAILED(hr) || eventInfo == nullptr) return FAILED(hr) ? hr : E_FAIL;
  if (eventTypeInfo_ != nullptr) eventTypeInfo_->Release();
  eventTypeInfo_ = eventInfo;
  return S_OK;
}

HRESULT BrowserEventSink::FindEventConnectionPoint(IConnectionPoint** point) {
  *point = nullptr;
  if (controlObject_ == nullptr) return E_POINTER;
  ComRef<IConnectionPointContainer> container;
  HRESULT hr = controlObject_->QueryInterface(IID_IConnectionPointContainer, container.outVoid());
  if (FAILED(hr)) return hr;
  hr = container->FindConnectionPoint(eventInterface_, point);
  if (SUCCEEDED(hr) && *point == nullptr) hr = E_FAIL;
  return hr;
}

HRESULT BrowserEventSink::Connect() {
  ComRef<IConnectionPoint> point;
  HRESULT hr = FindEventConnectionPoint(point.out());
  if (FAILED(hr)) return hr;
  DWORD cookie = kNotConnected;
  hr = point->Advise(static_cast<DWebBrowserEvents2*>(this), &cookie);
  if (SUCCEEDED(hr)) connectionCookie_ = cookie;
  return hr;
}

void BrowserEventSink::Disconnect() {
  if (connectionCookie_ == kNotConnected) return;
  ComRef<IConnectionPoint> point;
  if (SUCCEEDED(FindEventConnectionPoint(point.out()))) point->Unadvise(connectionCookie_);
  connectionCookie_ = kNotConnected;
}

void BrowserEventSink::OnNewWindow2(DISPPARAMS* params) {
  if (params == nullptr || params->rgvarg == nullptr) return;
  FuncDescRef desc(eventTypeInfo_, FindFuncDesc(eventTypeInfo_, DISPID_NEWWINDOW2));
  if (desc.get() == nullptr) return;
  // Arguments arrive last first; decode them by the declared parameters.
  if (static_cast<UINT>(desc.get()->cParams) != params->cArgs) return;
  for (UINT k = 0; k < params->cArgs; ++k) {
    if (!IsBoolReference(desc.get()->lprgelemdescParam[k].tdesc)) continue;
    VARIANT& argument = params->rgvarg[params->cArgs - 1 - k];
    // Cancel: the control opens no window.
    if (argument.vt == (VT_BOOL | VT_BYREF) && argument.pboolVal != nullptr) {
      *argument.pboolVal = VARIANT_TRUE;
    }
  }
}

void BrowserEventSink::OnQuit() {
  Disconnect();
}
