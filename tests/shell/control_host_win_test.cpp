// The AtlAxWin control host: creation by ProgID, in-place activation over
// the client area, the two registered messages and the release on destroy.
// A recording control registered for this process checks the sequence of
// calls; Wine's own "Shell.Explorer.2" checks a real control.
#include <windows.h>
#include <exdisp.h>
#include <ole2.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "page/control_host_win.h"

namespace {

// {6B1E33A0-5D0B-4D0E-9C4A-3E2F6A7B8C91}
const CLSID kRecordingClsid = {
    0x6b1e33a0, 0x5d0b, 0x4d0e, {0x9c, 0x4a, 0x3e, 0x2f, 0x6a, 0x7b, 0x8c, 0x91}};
constexpr char kRecordingProgId[] = "VexoscopeTest.RecordingControl";

// What the recording control saw.
struct Record {
  std::vector<std::string> calls;
  RECT lastRects = {};
  LONG references = 0;  // outstanding references to the control
  HWND window = nullptr;
};
Record g_record;

// A minimal windowed control: IOleObject, IOleInPlaceObject (IOleWindow).
class RecordingControl final : public IOleObject, public IOleInPlaceObject {
 public:
  RecordingControl() { g_record.references = 1; }

  STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
    if (iid == IID_IUnknown || iid == IID_IOleObject) {
      *object = static_cast<IOleObject*>(this);
    } else if (iid == IID_IOleInPlaceObject || iid == IID_IOleWindow) {
      *object = static_cast<IOleInPlaceObject*>(this);
    } else {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ++g_record.references; }
  STDMETHODIMP_(ULONG) Release() override {
    const LONG left = --g_record.references;
    if (left == 0) {
      g_record.calls.push_back("final Release");
      if (site_ != nullptr) site_->Release();
      delete this;
    }
    return left;
  }

  // IOleObject
  STDMETHODIMP SetClientSite(IOleClientSite* site) override {
    g_record.calls.push_back(site != nullptr ? "SetClientSite" : "SetClientSite(null)");
    if (site != nullptr) site->AddRef();
    if (site_ != nullptr) site_->Release();
    site_ = site;
    return S_OK;
  }
  STDMETHODIMP GetClientSite(IOleClientSite** site) override {
    *site = site_;
    if (site_ != nullptr) site_->AddRef();
    return S_OK;
  }
  STDMETHODIMP SetHostNames(LPCOLESTR, LPCOLESTR) override { return S_OK; }
  STDMETHODIMP Close(DWORD) override {
    g_record.calls.push_back("Close");
    return S_OK;
  }
  STDMETHODIMP SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
  STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
  STDMETHODIMP InitFromData(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
  STDMETHODIMP GetClipboardData(DWORD, IDataObject**) override { return E_NOTIMPL; }
  STDMETHODIMP DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND parent,
                      LPCRECT) override {
    g_record.calls.push_back(verb == OLEIVERB_INPLACEACTIVATE ? "DoVerb(INPLACEACTIVATE)"
                                                              : "DoVerb(other)");
    IOleInPlaceSite* inPlaceSite = nullptr;
    if (site == nullptr ||
        FAILED(site->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&inPlaceSite)))) {
      return E_UNEXPECTED;
    }
    HWND siteWindow = nullptr;
    inPlaceSite->GetWindow(&siteWindow);
    if (inPlaceSite->CanInPlaceActivate() == S_OK) {
      inPlaceSite->OnInPlaceActivate();
      IOleInPlaceFrame* frame = nullptr;
      IOleInPlaceUIWindow* document = nullptr;
      RECT position;
      RECT clip;
      OLEINPLACEFRAMEINFO info = {};
      info.cb = sizeof info;
      if (SUCCEEDED(inPlaceSite->GetWindowContext(&frame, &document, &position, &clip, &info))) {
        g_record.window =
            CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, position.left, position.top,
                            position.right - position.left, position.bottom - position.top,
                            siteWindow, nullptr, GetModuleHandleA(nullptr), nullptr);
        if (frame != nullptr) frame->Release();
        if (document != nullptr) document->Release();
      }
      inPlaceSite_ = inPlaceSite;
    } else {
      inPlaceSite->Release();
    }
    g_record.calls.push_back(siteWindow == parent ? "site window is parent" : "wrong window");
    return S_OK;
  }
  STDMETHODIMP EnumVerbs(IEnumOLEVERB**) override { return E_NOTIMPL; }
  STDMETHODIMP Update() override { return S_OK; }
  STDMETHODIMP IsUpToDate() override { return S_OK; }
  STDMETHODIMP GetUserClassID(CLSID* id) override {
    *id = kRecordingClsid;
    return S_OK;
  }
  STDMETHODIMP GetUserType(DWORD, LPOLESTR*) override { return E_NOTIMPL; }
  STDMETHODIMP SetExtent(DWORD, SIZEL*) override { return S_OK; }
  STDMETHODIMP GetExtent(DWORD, SIZEL*) override { return E_NOTIMPL; }
  STDMETHODIMP Advise(IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
  STDMETHODIMP Unadvise(DWORD) override { return E_NOTIMPL; }
  STDMETHODIMP EnumAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
  STDMETHODIMP GetMiscStatus(DWORD, DWORD* status) override {
    *status = OLEMISC_SETCLIENTSITEFIRST;
    return S_OK;
  }
  STDMETHODIMP SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

  // IOleWindow
  STDMETHODIMP GetWindow(HWND* window) override {
    *window = g_record.window;
    return g_record.window != nullptr ? S_OK : E_FAIL;
  }
  STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

  // IOleInPlaceObject
  STDMETHODIMP InPlaceDeactivate() override {
    g_record.calls.push_back("InPlaceDeactivate");
    if (g_record.window != nullptr) {
      DestroyWindow(g_record.window);
      g_record.window = nullptr;
    }
    if (inPlaceSite_ != nullptr) {
      inPlaceSite_->OnInPlaceDeactivate();
      inPlaceSite_->Release();
      inPlaceSite_ = nullptr;
    }
    return S_OK;
  }
  STDMETHODIMP UIDeactivate() override { return S_OK; }
  STDMETHODIMP SetObjectRects(LPCRECT position, LPCRECT) override {
    g_record.lastRects = *position;
    if (g_record.window != nullptr) {
      MoveWindow(g_record.window, position->left, position->top, position->right - position->left,
                 position->bottom - position->top, FALSE);
    }
    return S_OK;
  }
  STDMETHODIMP ReactivateAndUndo() override { return E_NOTIMPL; }

 private:
  ~RecordingControl() = default;
  IOleClientSite* site_ = nullptr;
  IOleInPlaceSite* inPlaceSite_ = nullptr;
};

class RecordingFactory final : public IClassFactory {
 public:
  STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
    if (iid == IID_IUnknown || iid == IID_IClassFactory) {
      *object = this;
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return 2; }
  STDMETHODIMP_(ULONG) Release() override { return 1; }
  STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    g_record = Record{};
    RecordingControl* control = new RecordingControl;
    const HRESULT result = control->QueryInterface(iid, object);
    control->Release();
    return result;
  }
  STDMETHODIMP LockServer(BOOL) override { return S_OK; }
};
RecordingFactory g_factory;

// The ProgID lives in HKLM\Software\Classes: Wine 8 ignores per-user classes.
constexpr char kProgIdKey[] = "Software\\Classes\\VexoscopeTest.RecordingControl";

class ControlHostTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    SetUpControlHost(GetModuleHandleA(nullptr));
    HKEY key = nullptr;
    const std::string clsidKey = std::string(kProgIdKey) + "\\CLSID";
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, clsidKey.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                        &key, nullptr) == ERROR_SUCCESS) {
      const char text[] = "{6B1E33A0-5D0B-4D0E-9C4A-3E2F6A7B8C91}";
      RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof text);
      RegCloseKey(key);
    }
    CoRegisterClassObject(kRecordingClsid, &g_factory, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE,
                          &cookie_);
  }
  static void TearDownTestSuite() {
    CoRevokeClassObject(cookie_);
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kProgIdKey);
  }

  void SetUp() override {
    parent_ = CreateWindowExA(0, "STATIC", "host test", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(parent_, nullptr);
  }
  void TearDown() override { DestroyWindow(parent_); }

  HWND CreateHost(const char* progId) {
    return CreateWindowExA(0, kControlHostClass, progId, WS_CHILD | WS_VISIBLE, 10, 10, 500, 300,
                           parent_, nullptr, GetModuleHandleA(nullptr), nullptr);
  }

  static DWORD cookie_;
  HWND parent_ = nullptr;
};
DWORD ControlHostTest::cookie_ = 0;

TEST_F(ControlHostTest, RegistersTheMessagesAndTheClass) {
  EXPECT_EQ(ControlHostGetControlMessage(), RegisterWindowMessageA("WM_ATLGETCONTROL"));
  EXPECT_EQ(ControlHostGetHostMessage(), RegisterWindowMessageA("WM_ATLGETHOST"));
  EXPECT_NE(ControlHostGetControlMessage(), 0u);
  WNDCLASSEXA info = {};
  info.cbSize = sizeof info;
  EXPECT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), "AtlAxWin", &info));
  // A second set-up keeps the registered class.
  SetUpControlHost(GetModuleHandleA(nullptr));
  EXPECT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), "AtlAxWin", &info));
}

TEST_F(ControlHostTest, ActivatesTheControlInPlaceOverTheClientArea) {
  HWND host = CreateHost(kRecordingProgId);
  ASSERT_NE(host, nullptr);
  const std::vector<std::string> created = {"SetClientSite", "DoVerb(INPLACEACTIVATE)",
                                            "site window is parent"};
  EXPECT_EQ(g_record.calls, created);
  ASSERT_NE(g_record.window, nullptr);
  EXPECT_EQ(GetParent(g_record.window), host);
  EXPECT_EQ(g_record.lastRects.right, 500);
  EXPECT_EQ(g_record.lastRects.bottom, 300);

  // The control follows the window's size.
  MoveWindow(host, 0, 0, 321, 123, FALSE);
  EXPECT_EQ(g_record.lastRects.left, 0);
  EXPECT_EQ(g_record.lastRects.top, 0);
  EXPECT_EQ(g_record.lastRects.right, 321);
  EXPECT_EQ(g_record.lastRects.bottom, 123);
  RECT inner;
  GetClientRect(g_record.window, &inner);
  EXPECT_EQ(inner.right, 321);
  EXPECT_EQ(inner.bottom, 123);
  DestroyWindow(host);
}

TEST_F(ControlHostTest, AnswersGetControlWithAReferenceForTheCaller) {
  HWND host = CreateHost(kRecordingProgId);
  ASSERT_NE(host, nullptr);
  const LONG before = g_record.references;
  IUnknown* control =
      reinterpret_cast<IUnknown*>(SendMessageA(host, ControlHostGetControlMessage(), 0, 0));
  ASSERT_NE(control, nullptr);
  EXPECT_EQ(g_record.references, before + 1);
  IOleObject* object = nullptr;
  EXPECT_EQ(control->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&object)), S_OK);
  if (object != nullptr) object->Release();
  control->Release();
  EXPECT_EQ(g_record.references, before);

  IUnknown* site =
      reinterpret_cast<IUnknown*>(SendMessageA(host, ControlHostGetHostMessage(), 0, 0));
  ASSERT_NE(site, nullptr);
  IOleClientSite* clientSite = nullptr;
  EXPECT_EQ(site->QueryInterface(IID_IOleClientSite, reinterpret_cast<void**>(&clientSite)), S_OK);
  if (clientSite != nullptr) clientSite->Release();
  site->Release();
  DestroyWindow(host);
}

TEST_F(ControlHostTest, DestroyingTheHostReleasesTheControl) {
  HWND host = CreateHost(kRecordingProgId);
  ASSERT_NE(host, nullptr);
  g_record.calls.clear();
  DestroyWindow(host);
  const std::vector<std::string> released = {"InPlaceDeactivate", "Close", "SetClientSite(null)",
                                             "final Release"};
  EXPECT_EQ(g_record.calls, released);
  EXPECT_EQ(g_record.references, 0);
  EXPECT_FALSE(IsWindow(host));
}

struct RefusedCase {
  const char* name;
  const char* progId;
};

class ControlHostRefusalTest : public ControlHostTest,
                               public testing::WithParamInterface<RefusedCase> {};

TEST_P(ControlHostRefusalTest, NoWindowWhenTheControlCannotBeCreated) {
  EXPECT_EQ(CreateHost(GetParam().progId), nullptr);
  EXPECT_EQ(FindWindowExA(parent_, nullptr, "AtlAxWin", nullptr), nullptr);
}

const RefusedCase kRefusedCases[] = {
    {"UnknownProgId", "VexoscopeTest.NoSuchControl"},
    {"EmptyText", ""},
    {"NullText", nullptr},
};
INSTANTIATE_TEST_SUITE_P(Texts, ControlHostRefusalTest, testing::ValuesIn(kRefusedCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The system's browser control (Wine's, without its HTML engine here).
TEST_F(ControlHostTest, HostsTheSystemBrowserControl) {
  HWND host = CreateHost("Shell.Explorer.2");
  ASSERT_NE(host, nullptr);
  IUnknown* control =
      reinterpret_cast<IUnknown*>(SendMessageA(host, ControlHostGetControlMessage(), 0, 0));
  ASSERT_NE(control, nullptr);
  IWebBrowser2* browser = nullptr;
  EXPECT_EQ(control->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&browser)), S_OK);
  // Its in-place window fills the host and follows its size.
  MoveWindow(host, 0, 0, 400, 250, FALSE);
  HWND inner = GetWindow(host, GW_CHILD);
  ASSERT_NE(inner, nullptr);
  RECT rect;
  GetClientRect(inner, &rect);
  EXPECT_EQ(rect.right, 400);
  EXPECT_EQ(rect.bottom, 250);
  if (browser != nullptr) browser->Release();
  control->Release();
  DestroyWindow(host);
  EXPECT_FALSE(IsWindow(inner));
}

}  // namespace
