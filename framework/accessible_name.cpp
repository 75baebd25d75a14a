#include "framework/accessible_name.h"

#include "win32/system_library.h"

#include <commctrl.h>
#include <oleacc.h>

#include <new>
#include <string>

namespace fw {
namespace {

// Marks this file's subclass among others a control may have.
constexpr UINT_PTR kSubclassId = 0x41434E4D;

// The system's accessibility and COM calls. Their DLLs load when the first
// client asks, not with the program, so that a run without a screen reader
// does not pay for them.
struct AccessibilityCalls {
    decltype(&::CreateStdAccessibleObject) createStandardObject = nullptr;
    decltype(&::LresultFromObject) resultFromObject = nullptr;
    decltype(&::CoInitializeEx) initializeCom = nullptr;
    decltype(&::CoUninitialize) uninitializeCom = nullptr;
    decltype(&::SysAllocStringLen) allocateString = nullptr;
};

// All the calls, or null when any of them is missing. Loaded once; the
// libraries stay for the life of the process.
const AccessibilityCalls* Calls() {
    static const AccessibilityCalls calls = [] {
        AccessibilityCalls c;
        const HMODULE oleacc = LoadSystemLibrary(L"oleacc.dll");
        const HMODULE ole32 = LoadSystemLibrary(L"ole32.dll");
        const HMODULE oleaut32 = LoadSystemLibrary(L"oleaut32.dll");
        const bool all = FindCall(oleacc, "CreateStdAccessibleObject", c.createStandardObject) &&
                         FindCall(oleacc, "LresultFromObject", c.resultFromObject) &&
                         FindCall(ole32, "CoInitializeEx", c.initializeCom) &&
                         FindCall(ole32, "CoUninitialize", c.uninitializeCom) &&
                         FindCall(oleaut32, "SysAllocStringLen", c.allocateString);
        return all ? c : AccessibilityCalls{};
    }();
    return calls.allocateString != nullptr ? &calls : nullptr;
}

// The control's client object as a client sees it: the standard object's
// answers, with the name and value of the control itself from the source.
// IDispatch goes to the standard object as it is, so a client that asks
// through IDispatch::Invoke gets the standard name; screen readers call the
// IAccessible methods.
class NamedAccessible final : public IAccessible {
public:
    // Takes over the caller's reference to `standard`.
    NamedAccessible(const AccessibilityCalls& calls, HWND control, AccessibleTextSource source, IAccessible* standard)
        : m_calls(calls), m_control(control), m_source(source), m_standard(standard) {}
    NamedAccessible(const NamedAccessible&) = delete;
    NamedAccessible& operator=(const NamedAccessible&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (out == nullptr) return E_POINTER;
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&m_references)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = ::InterlockedDecrement(&m_references);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return m_standard->GetTypeInfoCount(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override {
        return m_standard->GetTypeInfo(index, lcid, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override {
        return m_standard->GetIDsOfNames(iid, names, count, lcid, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO* exception, UINT* badArgument) override {
        return m_standard->Invoke(id, iid, lcid, flags, params, result, exception, badArgument);
    }

    // IAccessible: the three answers of our own
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return Answer(child, AccessibleText::Name, name, &IAccessible::get_accName);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return Answer(child, AccessibleText::Value, value, &IAccessible::get_accValue);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        return Answer(child, AccessibleText::Description, description, &IAccessible::get_accDescription);
    }

    // IAccessible: everything else is the standard object's
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return m_standard->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override { return m_standard->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        return m_standard->get_accChild(child, out);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* out) override {
        return m_standard->get_accRole(child, out);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* out) override {
        return m_standard->get_accState(child, out);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* out) override {
        return m_standard->get_accHelp(child, out);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return m_standard->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* out) override {
        return m_standard->get_accKeyboardShortcut(child, out);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* out) override { return m_standard->get_accFocus(out); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* out) override { return m_standard->get_accSelection(out); }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* out) override {
        return m_standard->get_accDefaultAction(child, out);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        return m_standard->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
        return m_standard->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* out) override {
        return m_standard->accNavigate(direction, start, out);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* out) override {
        return m_standard->accHitTest(x, y, out);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return m_standard->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return m_standard->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return m_standard->put_accValue(child, value);
    }

private:
    ~NamedAccessible() { m_standard->Release(); }

    using StandardText = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);

    // The source's text for the control itself while the control lives; the
    // standard object's answer otherwise. No exception may reach the client.
    HRESULT Answer(VARIANT child, AccessibleText which, BSTR* out, StandardText standard) {
        if (out == nullptr) return E_POINTER;
        try {
            std::wstring text;
            const bool self = child.vt == VT_I4 && child.lVal == CHILDID_SELF;
            if (!self || !::IsWindow(m_control) || !m_source(m_control, which, text))
                return (m_standard->*standard)(child, out);
            if (text.empty()) {
                *out = nullptr;
                return S_FALSE;
            }
            *out = m_calls.allocateString(text.data(), static_cast<UINT>(text.size()));
            return *out != nullptr ? S_OK : E_OUTOFMEMORY;
        } catch (...) {
            *out = nullptr;
            return E_OUTOFMEMORY;
        }
    }

    LONG m_references = 1;
    const AccessibilityCalls& m_calls;
    HWND m_control;
    AccessibleTextSource m_source;
    IAccessible* m_standard;
};

// The answer to WM_GETOBJECT for the client area, or 0 to let the control
// answer as it would have.
LRESULT ClientObjectOf(HWND control, WPARAM flags, AccessibleTextSource source) {
    const AccessibilityCalls* calls = Calls();
    if (calls == nullptr) return 0;
    // The object reaches the client through COM, which this thread then needs.
    // The first initialisation is kept for the thread's life, as the object may
    // outlive the message; a repeated one is given back at once.
    const HRESULT com = calls->initializeCom(nullptr, COINIT_APARTMENTTHREADED);
    if (com == S_FALSE)
        calls->uninitializeCom();
    else if (FAILED(com) && com != RPC_E_CHANGED_MODE)
        return 0;

    IAccessible* standard = nullptr;
    if (FAILED(calls->createStandardObject(control, OBJID_CLIENT, __uuidof(IAccessible),
                                           reinterpret_cast<void**>(&standard))))
        return 0;
    auto* named = new (std::nothrow) NamedAccessible(*calls, control, source, standard);
    if (named == nullptr) {
        standard->Release();
        return 0;
    }
    const LRESULT result = calls->resultFromObject(__uuidof(IAccessible), flags, named);
    named->Release();
    return result > 0 ? result : 0;  // a failure comes back as a negative HRESULT
}

LRESULT CALLBACK AnswerGetObject(HWND control, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR source) {
    if (msg == WM_GETOBJECT && static_cast<DWORD>(lp) == static_cast<DWORD>(OBJID_CLIENT)) {
        if (const LRESULT object = ClientObjectOf(control, wp, reinterpret_cast<AccessibleTextSource>(source)))
            return object;
    } else if (msg == WM_NCDESTROY) {
        ::RemoveWindowSubclass(control, AnswerGetObject, kSubclassId);
    }
    return ::DefSubclassProc(control, msg, wp, lp);
}

}  // namespace

bool SetAccessibleTextSource(HWND control, AccessibleTextSource source) {
    return source != nullptr &&
           ::SetWindowSubclass(control, AnswerGetObject, kSubclassId, reinterpret_cast<DWORD_PTR>(source)) != FALSE;
}

}  // namespace fw
