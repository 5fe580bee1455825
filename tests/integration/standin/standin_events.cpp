#include "standin_events.h"

#include <exdisp.h>
#include <exdispid.h>
#include <olectl.h>

#include <cstdio>
#include <vector>

namespace {

// "Microsoft Internet Controls", the type library of the browser control.
const GUID kInternetControlsLibrary = {
    0xeab22ac0, 0x30c1, 0x11cf, {0xa7, 0xeb, 0x00, 0x00, 0xc0, 0x5b, 0xae, 0x0b}};
// CLSID of the browser control the stand-in stands in for.
const CLSID kWebBrowserClass = {
    0x8856f961, 0x340a, 0x11d0, {0xa9, 0x6b, 0x00, 0xc0, 0x4f, 0xd7, 0x05, 0xa2}};

HRESULT LoadInternetControls(ITypeLib** library) {
  return LoadRegTypeLib(kInternetControlsLibrary, 1, 1, LOCALE_NEUTRAL, library);
}

bool EventsRefused() {
  char value[8];
  const DWORD length = GetEnvironmentVariableA("VEXO_STANDIN_NO_EVENTS", value, sizeof value);
  return length == 1 && value[0] == '1';
}

LRESULT CALLBACK EventsWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace

class StandinEvents final : public IConnectionPointContainer,
                            public IConnectionPoint,
                            public IProvideClassInfo2 {
 public:
  explicit StandinEvents(IUnknown* owner) : owner_(owner) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = EventsWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kStandinEventsClass;
    RegisterClassA(&windowClass);  // fails harmlessly when already registered
    char title[16];
    std::snprintf(title, sizeof title, "%lu", GetCurrentProcessId());
    window_ = CreateWindowExA(0, kStandinEventsClass, title, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    if (window_ != nullptr) SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  StandinEvents(const StandinEvents&) = delete;
  StandinEvents& operator=(const StandinEvents&) = delete;
  ~StandinEvents() {
    if (window_ != nullptr) DestroyWindow(window_);
    for (Connection& c : connections_) c.sink->Release();
  }

  HRESULT Answer(REFIID iid, void** object) {
    if (IsEqualIID(iid, IID_IConnectionPointContainer)) {
      *object = static_cast<IConnectionPointContainer*>(this);
    } else if (IsEqualIID(iid, IID_IProvideClassInfo) || IsEqualIID(iid, IID_IProvideClassInfo2)) {
      *object = static_cast<IProvideClassInfo2*>(this);
    } else {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    owner_->AddRef();
    return S_OK;
  }

  // IUnknown, delegated to the control: these are the control's interfaces.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    return owner_->QueryInterface(iid, object);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return owner_->AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return owner_->Release(); }

  // IConnectionPointContainer
  HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints**) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** point) override {
    *point = nullptr;
    if (!IsEqualIID(iid, DIID_DWebBrowserEvents2) || EventsRefused()) return CONNECT_E_NOCONNECTION;
    *point = static_cast<IConnectionPoint*>(this);
    owner_->AddRef();
    return S_OK;
  }

  // IConnectionPoint
  HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override {
    *iid = DIID_DWebBrowserEvents2;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** c) override {
    *c = static_cast<IConnectionPointContainer*>(this);
    owner_->AddRef();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override {
    if (sink == nullptr || cookie == nullptr) return E_POINTER;
    IDispatch* dispatch = nullptr;
    if (FAILED(sink->QueryInterface(DIID_DWebBrowserEvents2, reinterpret_cast<void**>(&dispatch))) ||
        dispatch == nullptr) {
      return CONNECT_E_CANNOTCONNECT;
    }
    connections_.push_back({nextCookie_, dispatch});
    *cookie = nextCookie_++;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override {
    for (size_t i = 0; i < connections_.size(); ++i) {
      if (connections_[i].cookie == cookie) {
        IDispatch* sink = connections_[i].sink;
        connections_.erase(connections_.begin() + static_cast<long>(i));
        sink->Release();
        return S_OK;
      }
    }
    return CONNECT_E_NOCONNECTION;
  }
  HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections**) override { return E_NOTIMPL; }

  // IProvideClassInfo2
  HRESULT STDMETHODCALLTYPE GetClassInfo(ITypeInfo** info) override {
    *info = nullptr;
    ITypeLib* library = nullptr;
    HRESULT hr = LoadInternetControls(&library);
    if (FAILED(hr)) return hr;
    hr = library->GetTypeInfoOfGuid(kWebBrowserClass, info);
    library->Release();
    return hr;
  }
  HRESULT STDMETHODCALLTYPE GetGUID(DWORD kind, GUID* guid) override {
    if (guid == nullptr) return E_POINTER;
    if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) return E_INVALIDARG;
    *guid = DIID_DWebBrowserEvents2;
    return S_OK;
  }

  LRESULT FireNewWindow2() {
    if (connections_.empty()) return -1;
    LRESULT answer = 0;
    // A copy: a sink may disconnect while it is called.
    const std::vector<Connection> sinks = connections_;
    for (const Connection& c : sinks) {
      IDispatch* newWindow = nullptr;
      VARIANT_BOOL cancel = VARIANT_FALSE;
      VARIANT arguments[2];
      VariantInit(&arguments[0]);
      VariantInit(&arguments[1]);
      // Arguments travel last first: Cancel, then ppDisp.
      arguments[0].vt = VT_BOOL | VT_BYREF;
      arguments[0].pboolVal = &cancel;
      arguments[1].vt = VT_DISPATCH | VT_BYREF;
      arguments[1].ppdispVal = &newWindow;
      DISPPARAMS params = {arguments, nullptr, 2, 0};
      c.sink->AddRef();
      c.sink->Invoke(DISPID_NEWWINDOW2, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                     nullptr, nullptr, nullptr);
      c.sink->Release();
      if (newWindow != nullptr) newWindow->Release();
      answer = cancel == VARIANT_TRUE ? 1 : 0;
    }
    return answer;
  }

  LRESULT FireQuit() {
    const std::vector<Connection> sinks = connections_;
    for (const Connection& c : sinks) {
      DISPPARAMS params = {nullptr, nullptr, 0, 0};
      c.sink->AddRef();
      c.sink->Invoke(DISPID_ONQUIT, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                     nullptr, nullptr, nullptr);
      c.sink->Release();
    }
    return static_cast<LRESULT>(sinks.size());
  }

  LRESULT SinkCount() const { return static_cast<LRESULT>(connections_.size()); }

 private:
  struct Connection {
    DWORD cookie;
    IDispatch* sink;
  };

  IUnknown* owner_;
  HWND window_ = nullptr;
  std::vector<Connection> connections_;
  DWORD nextCookie_ = 1;
};

namespace {

LRESULT CALLBACK EventsWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* events = reinterpret_cast<StandinEvents*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (events != nullptr) {
    switch (message) {
      case kStandinFireNewWindow2: return events->FireNewWindow2();
      case kStandinFireQuit: return events->FireQuit();
      case kStandinSinkCount: return events->SinkCount();
      default: break;
    }
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

StandinEvents* CreateStandinEvents(IUnknown* owner) {
  return new StandinEvents(owner);
}

void DestroyStandinEvents(StandinEvents* events) {
  delete events;
}

HRESULT StandinEventsQueryInterface(StandinEvents* events, REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (events == nullptr) {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  return events->Answer(iid, object);
}

HRESULT StandinControlTypeInfo(ITypeInfo** info) {
  if (info == nullptr) return E_POINTER;
  *info = nullptr;
  ITypeLib* library = nullptr;
  HRESULT hr = LoadInternetControls(&library);
  if (FAILED(hr)) return hr;
  hr = library->GetTypeInfoOfGuid(IID_IWebBrowser2, info);
  library->Release();
  return hr;
}
