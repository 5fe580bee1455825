#pragma once
// The stand-in control's small DOM: a document whose elements (ids and
// inner HTML, in document order) come from a fixture file the test writes.
// The fixture's Windows path is in the environment variable
// VEXO_STANDIN_DOM of the program's process (the test sets it before the
// launch; the child inherits it). The file is read at every get_Document, so
// a test can change it between two readouts.
//
// Fixture: UTF-8 text, one item per line ("\r\n" or "\n"):
//   id<TAB>inner HTML       an element (either part may be empty)
//   @no-id<TAB>inner HTML   an element without an id (get_id gives null)
//   @non-element            an item that offers no IHTMLElement
//   @no-html-document       (first line) the document offers no IHTMLDocument2
// No variable or no file: get_Document gives no document.
#include <windows.h>
#include <ole2.h>

// What IWebBrowser2::get_Document answers: the document's IDispatch with a
// reference for the caller, or null (and S_OK) when there is no fixture.
HRESULT StandinGetDocument(IDispatch** document);
