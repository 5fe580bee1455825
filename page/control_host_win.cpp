#include "page/control_host_win.h"

#include <ole2.h>
#include <oleidl.h>
#include <ocidl.h>

#include <cwchar>

namespace {

UINT g_getHostMessage = 0;
UINT g_getControlMessage = 0;
bool g_oleInitialized = false;

// The client site of one hosted control. The host window holds one
// reference (in GWLP_USERDATA), the control holds those it takes through
// SetClientSite and GetWindowContext. The same object serves as the
// in-place frame: the host has no menus, toolbars or accelerators to share.
class ControlSite final : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame {
 public:
  explicit ControlSite(HWND window) : window_(window) {}
  ControlSite(const ControlSite&) = delete;
  ControlSite& operator=(const ControlSite&) = delete;

  // Creates the control named by progId and activates it in place over the
  // host's client area. False when the control cannot be created.
  bool CreateControl(const char* progId);
  // Deactivates, closes and releases the control; the site stays alive
  // until its last reference goes.
  void ReleaseControl();
  // Keeps the in-place control covering the client area.
  void FitControl();
  // The control's IUnknown with a reference for the caller, or null.
  IUnknown* ControlReference();
  // The site's IUnknown with a reference for the caller.
  IUnknown* SiteReference();

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
  STDMETHODIMP_(ULONG) AddRef() override { return InterlockedIncrement(&references_); }
  STDMETHODIMP_(ULONG) Release() override;

  // IOleClientSite
  STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
  STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** moniker) override;
  STDMETHODIMP GetContainer(IOleContainer** container) override;
  STDMETHODIMP ShowObject() override { return S_OK; }
  STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
  STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

  // IOleWindow (shared by IOleInPlaceSite and IOleInPlaceFrame)
  STDMETHODIMP GetWindow(HWND* window) override;
  STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

  // IOleInPlaceSite
  STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
  STDMETHODIMP OnInPlaceActivate() override;
  STDMETHODIMP OnUIActivate() override { return S_OK; }
  STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                LPRECT position, LPRECT clip, LPOLEINPLACEFRAMEINFO info) override;
  STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
  STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
  STDMETHODIMP OnInPlaceDeactivate() override;
  STDMETHODIMP DiscardUndoState() override { return E_NOTIMPL; }
  STDMETHODIMP DeactivateAndUndo() override { return E_NOTIMPL; }
  STDMETHODIMP OnPosRectChange(LPCRECT) override;

  // IOleInPlaceUIWindow
  STDMETHODIMP GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
  STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
  STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
  STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }

  // IOleInPlaceFrame
  STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
  STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
  STDMETHODIMP RemoveMenus(HMENU) override { return E_NOTIMPL; }
  STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
  STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
  STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

 private:
  ~ControlSite() = default;

  HWND window_;
  LONG references_ = 1;
  IUnknown* control_ = nullptr;
  IOleObject* oleObject_ = nullptr;
  IOleInPlaceObject* inPlaceObject_ = nullptr;
  bool clientSiteSet_ = false;
};

// Converts an ANSI text to UTF-16 into `wide` of `count` units; false when it
// is empty or does not fit.
bool WideText(const char* text, wchar_t* wide, int count) {
  if (text == nullptr || text[0] == '\0') {
    return false;
  }
  return MultiByteToWideChar(CP_ACP, 0, text, -1, wide, count) > 0;
}

bool ControlSite::CreateControl(const char* progId) {
  wchar_t wideProgId[256];
  CLSID classId;
  if (!WideText(progId, wideProgId, 256) || FAILED(CLSIDFromProgID(wideProgId, &classId))) {
    return false;
  }
  if (FAILED(CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                              reinterpret_cast<void**>(&control_))) ||
      control_ == nullptr) {
    control_ = nullptr;
    return false;
  }
  // A control without IOleObject is held but cannot be shown in place.
  if (FAILED(control_->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&oleObject_)))) {
    oleObject_ = nullptr;
    return true;
  }
  DWORD miscStatus = 0;
  oleObject_->GetMiscStatus(DVASPECT_CONTENT, &miscStatus);
  // Some controls want their site before they are initialised, the rest after.
  if (miscStatus & OLEMISC_SETCLIENTSITEFIRST) {
    clientSiteSet_ = SUCCEEDED(oleObject_->SetClientSite(this));
  }
  IPersistStreamInit* persist = nullptr;
  if (SUCCEEDED(control_->QueryInterface(IID_IPersistStreamInit,
                                         reinterpret_cast<void**>(&persist))) &&
      persist != nullptr) {
    persist->InitNew();
    persist->Release();
  }
  if (!clientSiteSet_) {
    clientSiteSet_ = SUCCEEDED(oleObject_->SetClientSite(this));
  }
  RECT client;
  GetClientRect(window_, &client);
  oleObject_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, this, 0, window_, &client);
  FitControl();
  return true;
}

void ControlSite::ReleaseControl() {
  if (inPlaceObject_ != nullptr) {
    IOleInPlaceObject* inPlace = inPlaceObject_;
    inPlaceObject_ = nullptr;
    inPlace->InPlaceDeactivate();
    inPlace->Release();
  }
  if (oleObject_ != nullptr) {
    oleObject_->Close(OLECLOSE_NOSAVE);
    if (clientSiteSet_) {
      oleObject_->SetClientSite(nullptr);
      clientSiteSet_ = false;
    }
    oleObject_->Release();
    oleObject_ = nullptr;
  }
  if (control_ != nullptr) {
    control_->Release();
    control_ = nullptr;
  }
}

void ControlSite::FitControl() {
  if (inPlaceObject_ == nullptr) {
    return;
  }
  RECT client;
  GetClientRect(window_, &client);
  inPlaceObject_->SetObjectRects(&client, &client);
}

IUnknown* ControlSite::ControlReference() {
  if (control_ != nullptr) {
    control_->AddRef();
  }
  return control_;
}

IUnknown* ControlSite::SiteReference() {
  AddRef();
  return static_cast<IOleClientSite*>(this);
}

STDMETHODIMP ControlSite::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) {
    return E_POINTER;
  }
  if (iid == IID_IUnknown || iid == IID_IOleClientSite) {
    *object = static_cast<IOleClientSite*>(this);
  } else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite) {
    *object = static_cast<IOleInPlaceSite*>(this);
  } else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame) {
    *object = static_cast<IOleInPlaceFrame*>(this);
  } else {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

STDMETHODIMP_(ULONG) ControlSite::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) {
    delete this;
  }
  return static_cast<ULONG>(left);
}

STDMETHODIMP ControlSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
  if (moniker != nullptr) {
    *moniker = nullptr;
  }
  return E_NOTIMPL;
}

STDMETHODIMP ControlSite::GetContainer(IOleContainer** container) {
  if (container != nullptr) {
    *container = nullptr;
  }
  return E_NOINTERFACE;
}

STDMETHODIMP ControlSite::GetWindow(HWND* window) {
  if (window == nullptr) {
    return E_POINTER;
  }
  *window = window_;
  return S_OK;
}

STDMETHODIMP ControlSite::OnInPlaceActivate() {
  if (inPlaceObject_ == nullptr && oleObject_ != nullptr) {
    oleObject_->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlaceObject_));
  }
  return S_OK;
}

STDMETHODIMP ControlSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                           LPRECT position, LPRECT clip,
                                           LPOLEINPLACEFRAMEINFO info) {
  if (frame == nullptr || document == nullptr || position == nullptr || clip == nullptr ||
      info == nullptr) {
    return E_POINTER;
  }
  AddRef();
  *frame = this;
  *document = nullptr;
  GetClientRect(window_, position);
  *clip = *position;
  info->cb = sizeof(OLEINPLACEFRAMEINFO);
  info->fMDIApp = FALSE;
  info->hwndFrame = window_;
  info->haccel = nullptr;
  info->cAccelEntries = 0;
  return S_OK;
}

STDMETHODIMP ControlSite::OnInPlaceDeactivate() {
  if (inPlaceObject_ != nullptr) {
    inPlaceObject_->Release();
    inPlaceObject_ = nullptr;
  }
  return S_OK;
}

STDMETHODIMP ControlSite::OnPosRectChange(LPCRECT) {
  // The control always covers the whole client area, whatever it asks for.
  FitControl();
  return S_OK;
}

ControlSite* SiteOf(HWND window) {
  return reinterpret_cast<ControlSite*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

LRESULT HostOnCreate(HWND window, const CREATESTRUCTA* create) {
  ControlSite* site = new ControlSite(window);
  if (!site->CreateControl(create->lpszName)) {
    site->ReleaseControl();
    site->Release();
    return -1;  // CreateWindowEx then yields no window
  }
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(site));
  return 0;
}

void HostOnSize(HWND window) {
  if (ControlSite* site = SiteOf(window)) {
    site->FitControl();
  }
}

void HostOnDestroy(HWND window) {
  ControlSite* site = SiteOf(window);
  if (site == nullptr) {
    return;
  }
  SetWindowLongPtrA(window, GWLP_USERDATA, 0);
  site->ReleaseControl();
  site->Release();
}

LRESULT HostOnGetControl(HWND window) {
  ControlSite* site = SiteOf(window);
  return reinterpret_cast<LRESULT>(site != nullptr ? site->ControlReference() : nullptr);
}

LRESULT HostOnGetHost(HWND window) {
  ControlSite* site = SiteOf(window);
  return reinterpret_cast<LRESULT>(site != nullptr ? site->SiteReference() : nullptr);
}

LRESULT CALLBACK ControlHostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // The two registered messages have numbers known only at run time.
  if (message != 0 && message == g_getControlMessage) {
    return HostOnGetControl(window);
  }
  if (message != 0 && message == g_getHostMessage) {
    return HostOnGetHost(window);
  }
  switch (message) {
    case WM_CREATE:
      return HostOnCreate(window, reinterpret_cast<const CREATESTRUCTA*>(lParam));
    case WM_SIZE:
      HostOnSize(window);
      return 0;
    case WM_DESTROY:
      HostOnDestroy(window);
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

void SetUpControlHost(HINSTANCE instance) {
  if (!g_oleInitialized) {
    g_oleInitialized = SUCCEEDED(OleInitialize(nullptr));
  }
  g_getHostMessage = RegisterWindowMessageA("WM_ATLGETHOST");
  g_getControlMessage = RegisterWindowMessageA("WM_ATLGETCONTROL");
  WNDCLASSEXA existing = {};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExA(instance, kControlHostClass, &existing)) {
    return;
  }
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = ControlHostWindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kControlHostClass;
  RegisterClassExA(&windowClass);
}

void ShutDownControlHost() {
  if (g_oleInitialized) {
    g_oleInitialized = false;
    OleUninitialize();
  }
}

UINT ControlHostGetControlMessage() {
  return g_getControlMessage;
}

UINT ControlHostGetHostMessage() {
  return g_getHostMessage;
}
