#pragma once
// The stand-in control's events: a connection point for DWebBrowserEvents2,
// the class information that names it as the default event interface, and
// the control's type description from the system's "Microsoft Internet
// Controls" type library, so a sink can decode event arguments by type.
//
// A test reaches a running stand-in through a message-only window of class
// "VexoStandinEvents" whose text is the program's process id in decimal:
//   SendMessage(kStandinFireNewWindow2)  fires NewWindow2 (Cancel starting as
//       VARIANT_FALSE) at every connected sink; returns -1 when no sink is
//       connected, else 1 when the last sink set Cancel to VARIANT_TRUE, 0 when not.
//   SendMessage(kStandinFireQuit)        fires OnQuit; returns the sinks called.
//   SendMessage(kStandinSinkCount)       returns the sinks connected now.
// With VEXO_STANDIN_NO_EVENTS=1 in the program's environment the control
// offers no connection point for DWebBrowserEvents2 (a failed connection).
#include <windows.h>
#include <ole2.h>
#include <ocidl.h>

constexpr char kStandinEventsClass[] = "VexoStandinEvents";
constexpr UINT kStandinFireNewWindow2 = WM_APP + 51;
constexpr UINT kStandinFireQuit = WM_APP + 53;
constexpr UINT kStandinSinkCount = WM_APP + 54;

class StandinEvents;

// Made by the control when it is created (on its thread), with the control's
// IUnknown as the owner every IUnknown call of the events' interfaces goes
// to; destroyed with the control.
StandinEvents* CreateStandinEvents(IUnknown* owner);
void DestroyStandinEvents(StandinEvents* events);

// For the control's QueryInterface: answers IConnectionPointContainer,
// IProvideClassInfo and IProvideClassInfo2; E_NOINTERFACE for the rest.
HRESULT StandinEventsQueryInterface(StandinEvents* events, REFIID iid, void** object);

// For the control's IDispatch::GetTypeInfo: IWebBrowser2's description from
// the registered "Microsoft Internet Controls" type library.
HRESULT StandinControlTypeInfo(ITypeInfo** info);
