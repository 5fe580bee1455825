#pragma once
// BrowserEventSink: the dispatch sink for the browser control's
// DWebBrowserEvents2 events. It refuses every new window (NewWindow2) and
// disconnects itself when the control reports OnQuit; every other event is
// accepted and ignored.
#include <windows.h>
#include <exdisp.h>
#include <oaidl.h>

class BrowserEventSink final : public DWebBrowserEvents2 {
 public:
  // Created with one reference, the program's, which it never gives back:
  // the control holds the sink while connected.
  BrowserEventSink();
  BrowserEventSink(const BrowserEventSink&) = delete;
  BrowserEventSink& operator=(const BrowserEventSink&) = delete;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  // IDispatch
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                   UINT* argumentError) override;

  // Keeps a counted reference to the control, for disconnecting later.
  void HoldControl(IUnknown* control);
  // Learns from the control its type library (identity and version) and the
  // type description of its default event interface, by which event
  // arguments are decoded. Without it every event is ignored.
  HRESULT LearnEventInterface();
  // Advises the control's DWebBrowserEvents2 connection point; keeps the cookie.
  HRESULT Connect();
  // Unadvises with the cookie, if connected, and forgets it.
  void Disconnect();

  bool connected() const { return connectionCookie_ != kNotConnected; }

 private:
  static constexpr DWORD kNotConnected = 0xFEFEFEFE;

  ~BrowserEventSink();
  void OnNewWindow2(DISPPARAMS* params);
  void OnQuit();
  HRESULT FindEventConnectionPoint(IConnectionPoint** point);

  LONG references_ = 1;
  IUnknown* controlObject_ = nullptr;
  IID eventInterface_;
  struct {
    GUID guid;
    WORD majorVersion;
    WORD minorVersion;
  } typeLibrary_ = {};
  DWORD connectionCookie_ = kNotConnected;
  // The event interface's description, from the control's type library.
  ITypeInfo* eventTypeInfo_ = nullptr;
};
