#include "page/position_readout_win.h"

#include <exdisp.h>
#include <mshtml.h>

#include <string>

#include "page/position_readout.h"
#include "shell/viewer_state.h"

namespace {

// Releases a COM reference when the scope ends.
template <typename T>
class ComRef {
 public:
  ComRef() = default;
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  ~ComRef() { Reset(); }
  void Reset() {
    if (pointer_ != nullptr) pointer_->Release();
    pointer_ = nullptr;
  }
  T* get() const { return pointer_; }
  T** out() {
    Reset();
    return &pointer_;
  }
  void** outVoid() { return reinterpret_cast<void**>(out()); }
  T* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }

 private:
  T* pointer_ = nullptr;
};

// Frees a BSTR when the scope ends.
class BstrHolder {
 public:
  BstrHolder() = default;
  BstrHolder(const BstrHolder&) = delete;
  BstrHolder& operator=(const BstrHolder&) = delete;
  ~BstrHolder() { SysFreeString(text_); }
  BSTR* out() {
    SysFreeString(text_);
    text_ = nullptr;
    return &text_;
  }
  BSTR get() const { return text_; }

 private:
  BSTR text_ = nullptr;
};

// A UTF-16 text from the page in the ANSI code page; null gives the empty text.
std::string ToAnsi(BSTR text) {
  std::string result;
  if (text == nullptr) return result;
  const int length = static_cast<int>(SysStringLen(text));
  if (length == 0) return result;
  const int bytes = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return result;
  result.resize(static_cast<size_t>(bytes));
  WideCharToMultiByte(CP_ACP, 0, text, length, &result[0], bytes, nullptr, nullptr);
  return result;
}

}  // namespace

void ReadPositionText() {
  IWebBrowser2* browser = g_state.webBrowser;
  if (browser == nullptr) return;

  ComRef<IDispatch> document;
  if (FAILED(browser->get_Document(document.out())) || !document) return;
  ComRef<IHTMLDocument2> htmlDocument;
  if (FAILED(document->QueryInterface(IID_IHTMLDocument2, htmlDocument.outVoid())) ||
      !htmlDocument) {
    return;
  }
  ComRef<IHTMLElementCollection> elements;
  if (FAILED(htmlDocument->get_all(elements.out())) || !elements) return;
  LONG count = 0;
  if (FAILED(elements->get_length(&count))) return;

  // The element of the item last asked for, kept between its id and content.
  ComRef<IHTMLElement> current;
  auto readId = [&](int32_t index, std::string* id) {
    current.Reset();
    VARIANT name;
    VariantInit(&name);
    name.vt = VT_I4;
    name.lVal = index;
    VARIANT position;
    VariantInit(&position);
    position.vt = VT_I4;
    position.lVal = 0;
    ComRef<IDispatch> item;
    if (FAILED(elements->item(name, position, item.out())) || !item) return false;
    if (FAILED(item->QueryInterface(IID_IHTMLElement, current.outVoid())) || !current) {
      return false;
    }
    BstrHolder text;
    if (SUCCEEDED(current->get_id(text.out()))) *id = ToAnsi(text.get());
    return true;
  };
  auto readContent = [&](int32_t, std::string* content) {
    if (!current) return;
    BstrHolder text;
    if (SUCCEEDED(current->get_innerHTML(text.out()))) *content = ToAnsi(text.get());
  };
  ScanPositionElements(static_cast<int32_t>(count), readId, readContent, g_state.positionText,
                       sizeof g_state.positionText);
}
