#include "framework/app.h"

namespace fw {

CWinApp* CWinApp::s_app = nullptr;

CWinApp::CWinApp(const wchar_t* fallbackName) : m_fallbackName(fallbackName) { s_app = this; }

CWinApp::~CWinApp() {
    if (s_app == this) s_app = nullptr;
}

std::wstring CWinApp::AppName() {
    wchar_t path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return s_app != nullptr ? s_app->m_fallbackName : L"";
    std::wstring name(path, length);
    const size_t slash = name.find_last_of(L"\\/");
    if (slash != std::wstring::npos) name.erase(0, slash + 1);
    const size_t dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos && dot > 0) name.erase(dot);
    return name;
}

int CWinApp::Run() {
    if (s_app != nullptr) s_app->InitInstance();
    return 0;
}

}  // namespace fw
