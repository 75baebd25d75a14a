#include "tests/support/accessible_text.h"

#include <oleacc.h>

namespace test_support {
namespace {

using Getter = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);

std::optional<std::wstring> Ask(HWND control, Getter getter) {
    IAccessible* object = nullptr;
    if (FAILED(::AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                            reinterpret_cast<void**>(&object))) ||
        object == nullptr)
        return std::nullopt;
    VARIANT self;
    ::VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    const HRESULT hr = (object->*getter)(self, &text);
    object->Release();
    if (FAILED(hr) && hr != DISP_E_MEMBERNOTFOUND) return std::nullopt;
    std::wstring answer = text != nullptr ? std::wstring(text, ::SysStringLen(text)) : std::wstring();
    ::SysFreeString(text);
    return answer;
}

}  // namespace

ComThread::ComThread() { ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
ComThread::~ComThread() { ::CoUninitialize(); }

std::optional<std::wstring> AccessibleName(HWND control) { return Ask(control, &IAccessible::get_accName); }
std::optional<std::wstring> AccessibleValue(HWND control) { return Ask(control, &IAccessible::get_accValue); }

}  // namespace test_support
