#include "tests/support/accessible_text.h"

namespace test_support {
namespace {

using Getter = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);

std::optional<std::wstring> Ask(IAccessible* object, Getter getter) {
    if (object == nullptr) return std::nullopt;
    VARIANT self;
    ::VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    const HRESULT hr = (object->*getter)(self, &text);
    // "Not supported" is no answer, as S_FALSE is.
    if (FAILED(hr) && hr != DISP_E_MEMBERNOTFOUND) return std::nullopt;
    std::wstring answer = text != nullptr ? std::wstring(text, ::SysStringLen(text)) : std::wstring();
    ::SysFreeString(text);
    return answer;
}

}  // namespace

ComThread::ComThread() { ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
ComThread::~ComThread() { ::CoUninitialize(); }

AccessibleObject::AccessibleObject(HWND window) {
    if (FAILED(::AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                            reinterpret_cast<void**>(&m_object))))
        m_object = nullptr;
}

AccessibleObject::~AccessibleObject() {
    if (m_object != nullptr) m_object->Release();
}

std::optional<std::wstring> AccessibleObject::Name() const { return Ask(m_object, &IAccessible::get_accName); }
std::optional<std::wstring> AccessibleObject::Value() const { return Ask(m_object, &IAccessible::get_accValue); }
std::optional<std::wstring> AccessibleObject::Description() const {
    return Ask(m_object, &IAccessible::get_accDescription);
}

}  // namespace test_support
