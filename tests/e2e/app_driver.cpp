#include "tests/e2e/app_driver.h"

#include <vector>

namespace {

constexpr wchar_t kDialogCaption[] = L"Tessan Corvaset - v1.0";

INPUT KeyInput(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return in;
}

INPUT MouseInput(DWORD flags, LONG x = 0, LONG y = 0) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = x;
    in.mi.dy = y;
    in.mi.dwFlags = flags;
    return in;
}

}  // namespace

AppDriver::AppDriver(const std::wstring& exe, const std::wstring& workDir, const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + exe + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
    STARTUPINFOW startup{sizeof(startup)};
    if (!::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, workDir.c_str(),
                          &startup, &m_process))
        return;
    const DWORD start = ::GetTickCount();
    while (m_dialog == nullptr && ::GetTickCount() - start < 15000) {
        HWND found = test_support::FindDialogOfThread(m_process.dwThreadId, nullptr);
        if (found != nullptr && test_support::WindowText(found) == kDialogCaption)
            m_dialog = found;
        else
            ::Sleep(10);
    }
    if (m_dialog != nullptr) ::SetForegroundWindow(m_dialog);
}

AppDriver::~AppDriver() {
    if (m_process.hProcess == nullptr) return;
    if (::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(m_process.hProcess, 1);
        ::WaitForSingleObject(m_process.hProcess, 5000);
    }
    ::CloseHandle(m_process.hThread);
    ::CloseHandle(m_process.hProcess);
}

void AppDriver::SendInputs(INPUT* inputs, UINT count) {
    for (UINT i = 0; i < count; ++i) {
        ::SendInput(1, &inputs[i], sizeof(INPUT));
        ::Sleep(20);
    }
    ::Sleep(50);
}

void AppDriver::Click(int id) {
    HWND control = ::GetDlgItem(m_dialog, id);
    RECT r;
    ::GetWindowRect(control, &r);
    const int screenW = ::GetSystemMetrics(SM_CXSCREEN), screenH = ::GetSystemMetrics(SM_CYSCREEN);
    const LONG x = ((r.left + r.right) / 2 * 65535) / (screenW - 1);
    const LONG y = ((r.top + r.bottom) / 2 * 65535) / (screenH - 1);
    INPUT inputs[] = {MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x, y), MouseInput(MOUSEEVENTF_LEFTDOWN),
                      MouseInput(MOUSEEVENTF_LEFTUP)};
    SendInputs(inputs, 3);
}

void AppDriver::PressKey(WORD vk, bool alt) {
    std::vector<INPUT> inputs;
    if (alt) inputs.push_back(KeyInput(VK_MENU, false));
    inputs.push_back(KeyInput(vk, false));
    inputs.push_back(KeyInput(vk, true));
    if (alt) inputs.push_back(KeyInput(VK_MENU, true));
    SendInputs(inputs.data(), static_cast<UINT>(inputs.size()));
}

void AppDriver::ChooseLastSystemMenuItem() {
    PressKey(VK_SPACE, true);
    PressKey(VK_UP);  // from the first item up to the last
    PressKey(VK_RETURN);
}

std::optional<test_support::SeenBox> AppDriver::AnswerBox(DWORD timeoutMs) {
    return test_support::AnswerNextBox(m_process.dwThreadId, m_dialog, timeoutMs);
}

bool AppDriver::WaitForExit(DWORD timeoutMs) {
    return m_process.hProcess != nullptr && ::WaitForSingleObject(m_process.hProcess, timeoutMs) == WAIT_OBJECT_0;
}
