#include "toolkit/announcer.h"

#include <oleacc.h>

#include <string>

#include "toolkit/system_library.h"
#include "toolkit/win_text.h"

namespace orvanta::toolkit {

namespace {

// Object ids above zero are the window's own; the system's are below.
constexpr LONG kAlertObjectId = 1;

bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

}  // namespace

// An accessible object that is nothing but an alert with a name; it has no children, takes no
// action and cannot be changed. COM keeps it alive for as long as a reader holds it.
class AlertObject final : public IAccessible {
  public:
    AlertObject(HWND window, std::wstring text)
        : window_(window),
          text_(std::move(text)),
          allocString_(ORVANTA_SYSTEM_FUNCTION(OleAut32Library(), SysAllocString)),
          objectFromWindow_(ORVANTA_SYSTEM_FUNCTION(OleaccLibrary(), AccessibleObjectFromWindow)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) {
            delete this;
        }
        return left;
    }

    // Readers use the IAccessible methods themselves, never IDispatch.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }

    // The window the alert speaks for, so that a reader can tell whose it is.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        *parent = nullptr;
        return objectFromWindow_(window_, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IDispatch),
                                 reinterpret_cast<void**>(parent));
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch** child) override {
        *child = nullptr;
        return E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!IsSelf(child)) {
            return E_INVALIDARG;
        }
        *name = allocString_(text_.c_str());
        return *name != nullptr ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT, BSTR* value) override { return Nothing(value); }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT, BSTR* text) override { return Nothing(text); }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return Number(child, role, ROLE_SYSTEM_ALERT);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return Number(child, state, STATE_SYSTEM_READONLY);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override { return Nothing(help); }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, long* topic) override {
        *topic = 0;
        return Nothing(file);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* keys) override { return Nothing(keys); }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override { return Empty(focus); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override { return Empty(selection); }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT, BSTR* action) override { return Nothing(action); }
    HRESULT STDMETHODCALLTYPE accSelect(long, VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
    // Where the window's client area is: the alert speaks for the whole window.
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
        RECT client{};
        if (!IsSelf(child) || !GetClientRect(window_, &client)) {
            return E_INVALIDARG;
        }
        POINT corner{0, 0};
        ClientToScreen(window_, &corner);
        *left = corner.x;
        *top = corner.y;
        *width = client.right;
        *height = client.bottom;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long, VARIANT, VARIANT* end) override { return Empty(end); }
    HRESULT STDMETHODCALLTYPE accHitTest(long, long, VARIANT* child) override { return Empty(child); }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

  private:
    ~AlertObject() = default;

    template <typename Pointer>
    static HRESULT Nothing(Pointer* out) {
        *out = nullptr;
        return S_FALSE;
    }
    static HRESULT Empty(VARIANT* out) {
        out->vt = VT_EMPTY;
        return S_FALSE;
    }
    static HRESULT Number(const VARIANT& child, VARIANT* out, long number) {
        if (!IsSelf(child)) {
            return E_INVALIDARG;
        }
        out->vt = VT_I4;
        out->lVal = number;
        return S_OK;
    }

    HWND window_;
    std::wstring text_;
    // Found when the object is made: no method may throw across COM.
    decltype(&SysAllocString) allocString_;
    decltype(&AccessibleObjectFromWindow) objectFromWindow_;
    ULONG references_ = 1;
};

Announcer::~Announcer() {
    if (alert_ != nullptr) {
        alert_->Release();
    }
    if (comStarted_) {
        ORVANTA_SYSTEM_FUNCTION(Ole32Library(), CoUninitialize)();
    }
}

void Announcer::Announce(HWND window, std::string_view text) {
    if (!comStarted_) {
        // The object reaches the reader's process through COM's marshalling.
        const HRESULT started = ORVANTA_SYSTEM_FUNCTION(Ole32Library(), CoInitializeEx)(
            nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        comStarted_ = SUCCEEDED(started);
    }
    // Loaded now, so that answering the reader cannot fail for want of it.
    ORVANTA_SYSTEM_FUNCTION(OleaccLibrary(), LresultFromObject);
    auto* alert = new AlertObject(window, Widen(text));
    if (alert_ != nullptr) {
        alert_->Release();
    }
    alert_ = alert;
    NotifyWinEvent(EVENT_SYSTEM_ALERT, window, kAlertObjectId, CHILDID_SELF);
}

bool Announcer::AnswerObjectRequest(WPARAM wParam, LPARAM lParam, LRESULT& result) const {
    if (alert_ == nullptr || static_cast<LONG>(lParam) != kAlertObjectId) {
        return false;
    }
    result = ORVANTA_SYSTEM_FUNCTION(OleaccLibrary(), LresultFromObject)(__uuidof(IAccessible), wParam, alert_);
    return true;
}

}  // namespace orvanta::toolkit
