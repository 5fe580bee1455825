#include "standin_dom.h"

#include <mshtml.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct Item {
  bool isElement = true;
  bool hasId = true;
  std::wstring id;
  std::wstring content;
};

struct Fixture {
  bool htmlDocument = true;
  std::vector<Item> items;
};

std::wstring FromUtf8(const std::string& text) {
  if (text.empty()) return std::wstring();
  const int units = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                        nullptr, 0);
  std::wstring result(static_cast<size_t>(units), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &result[0], units);
  return result;
}

bool LoadFixture(Fixture* fixture) {
  char path[MAX_PATH];
  const DWORD length = GetEnvironmentVariableA("VEXO_STANDIN_DOM", path, sizeof path);
  if (length == 0 || length >= sizeof path) return false;
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(file);

  size_t start = 0;
  bool first = true;
  while (start < bytes.size()) {
    size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (first && line == "@no-html-document") {
      fixture->htmlDocument = false;
      first = false;
      continue;
    }
    first = false;
    Item item;
    if (line == "@non-element") {
      item.isElement = false;
    } else {
      const size_t tab = line.find('\t');
      std::string id = line.substr(0, tab);
      if (id == "@no-id") {
        item.hasId = false;
        id.clear();
      }
      item.id = FromUtf8(id);
      if (tab != std::string::npos) item.content = FromUtf8(line.substr(tab + 1));
    }
    fixture->items.push_back(item);
  }
  return true;
}

// IUnknown and the IDispatch methods nobody calls, for an object whose
// interfaces are listed in its own QueryInterface.
#define STANDIN_DISPATCH_BASICS                                                              \
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }   \
  ULONG STDMETHODCALLTYPE Release() override {                                               \
    const LONG left = InterlockedDecrement(&references_);                                    \
    if (left == 0) delete this;                                                              \
    return static_cast<ULONG>(left);                                                         \
  }                                                                                          \
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {                         \
    *count = 0;                                                                              \
    return S_OK;                                                                             \
  }                                                                                          \
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; } \
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {    \
    return E_NOTIMPL;                                                                        \
  }                                                                                          \
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*,        \
                                   EXCEPINFO*, UINT*) override {                             \
    return E_NOTIMPL;                                                                        \
  }                                                                                          \
  LONG references_ = 1;

BSTR ToBstr(const std::wstring& text) {
  return SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}

// An item that is only a dispatch object, no element.
class PlainItem final : public IDispatch {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
      *object = static_cast<IDispatch*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  STANDIN_DISPATCH_BASICS
};

class Element final : public IHTMLElement {
 public:
  explicit Element(const Item& item) : item_(item) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
        IsEqualIID(iid, IID_IHTMLElement)) {
      *object = static_cast<IHTMLElement*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  STANDIN_DISPATCH_BASICS
  HRESULT STDMETHODCALLTYPE get_id(BSTR* p) override {
    *p = item_.hasId ? ToBstr(item_.id) : nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_innerHTML(BSTR* p) override {
    *p = ToBstr(item_.content);
    return S_OK;
  }
#define STANDIN_DOM_ELEMENT
#include "standin_dom_stubs.inc"
#undef STANDIN_DOM_ELEMENT

 private:
  Item item_;
};

class Collection final : public IHTMLElementCollection {
 public:
  explicit Collection(std::shared_ptr<const Fixture> fixture) : fixture_(std::move(fixture)) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
        IsEqualIID(iid, IID_IHTMLElementCollection)) {
      *object = static_cast<IHTMLElementCollection*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  STANDIN_DISPATCH_BASICS
  HRESULT STDMETHODCALLTYPE get_length(LONG* p) override {
    *p = static_cast<LONG>(fixture_->items.size());
    return S_OK;
  }
  // As the real collection: a VT_I4 name picks the item at that position.
  HRESULT STDMETHODCALLTYPE item(VARIANT name, VARIANT, IDispatch** p) override {
    *p = nullptr;
    if (name.vt != VT_I4 || name.lVal < 0 ||
        static_cast<size_t>(name.lVal) >= fixture_->items.size()) {
      return S_OK;
    }
    const Item& entry = fixture_->items[static_cast<size_t>(name.lVal)];
    if (entry.isElement) {
      *p = new Element(entry);
    } else {
      *p = new PlainItem();
    }
    return S_OK;
  }
#define STANDIN_DOM_COLLECTION
#include "standin_dom_stubs.inc"
#undef STANDIN_DOM_COLLECTION

 private:
  std::shared_ptr<const Fixture> fixture_;
};

class Document final : public IHTMLDocument2 {
 public:
  explicit Document(std::shared_ptr<const Fixture> fixture) : fixture_(std::move(fixture)) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
      *object = static_cast<IDispatch*>(this);
      AddRef();
      return S_OK;
    }
    if (fixture_->htmlDocument &&
        (IsEqualIID(iid, IID_IHTMLDocument) || IsEqualIID(iid, IID_IHTMLDocument2))) {
      *object = static_cast<IHTMLDocument2*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  STANDIN_DISPATCH_BASICS
  HRESULT STDMETHODCALLTYPE get_all(IHTMLElementCollection** p) override {
    *p = new Collection(fixture_);
    return S_OK;
  }
#define STANDIN_DOM_DOCUMENT
#include "standin_dom_stubs.inc"
#undef STANDIN_DOM_DOCUMENT

 private:
  std::shared_ptr<const Fixture> fixture_;
};

}  // namespace

HRESULT StandinGetDocument(IDispatch** document) {
  if (document == nullptr) return E_POINTER;
  *document = nullptr;
  auto fixture = std::make_shared<Fixture>();
  if (!LoadFixture(fixture.get())) return S_OK;
  *document = static_cast<IDispatch*>(new Document(fixture));
  return S_OK;
}
