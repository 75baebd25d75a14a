#include "tests/e2e/app_driver.h"

#include <commctrl.h>
#include <dlgs.h>

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
        // A file opened at start adds its path to the caption.
        if (found != nullptr && test_support::WindowText(found).starts_with(kDialogCaption))
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

void AppDriver::MouseTo(POINT screen) {
    const int screenW = ::GetSystemMetrics(SM_CXSCREEN), screenH = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT move = MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, (screen.x * 65535) / (screenW - 1),
                            (screen.y * 65535) / (screenH - 1));
    SendInputs(&move, 1);
}

void AppDriver::MouseButton(bool down) {
    INPUT button = MouseInput(down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP);
    SendInputs(&button, 1);
}

// Whether the whole control lies in the visible part of the dialog's client
// area, where the mouse can reach every part of it.
bool AppDriver::Visible(int id) const {
    RECT r, client;
    ::GetWindowRect(::GetDlgItem(m_dialog, id), &r);
    ::GetClientRect(m_dialog, &client);
    ::MapWindowPoints(m_dialog, nullptr, reinterpret_cast<POINT*>(&client), 2);
    RECT screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    RECT seen;
    ::IntersectRect(&seen, &client, &screen);
    return r.left >= seen.left && r.top >= seen.top && r.right <= seen.right && r.bottom <= seen.bottom;
}

// Clicks the arrows of the dialog's scroll bars until the control is in view.
void AppDriver::ScrollIntoView(int id) {
    for (int clicks = 0; clicks < 100 && !Visible(id); ++clicks) {
        RECT r, client;
        ::GetWindowRect(::GetDlgItem(m_dialog, id), &r);
        ::GetClientRect(m_dialog, &client);
        ::MapWindowPoints(m_dialog, nullptr, reinterpret_cast<POINT*>(&client), 2);
        const bool vertical = r.top < client.top || r.bottom > client.bottom;
        // The bars lie along the client area's right and bottom edges, an
        // arrow button at each end (read from the style and the metrics, as
        // the bars' own details cannot be asked of another process here).
        if (!(::GetWindowLongW(m_dialog, GWL_STYLE) & (vertical ? WS_VSCROLL : WS_HSCROLL))) return;
        const bool towardsEnd = vertical ? r.bottom > client.bottom : r.right > client.right;
        POINT at{};
        if (vertical) {
            const int arrow = ::GetSystemMetrics(SM_CYVSCROLL) / 2;
            at = {client.right + ::GetSystemMetrics(SM_CXVSCROLL) / 2,
                  towardsEnd ? client.bottom - arrow : client.top + arrow};
        } else {
            const int arrow = ::GetSystemMetrics(SM_CXHSCROLL) / 2;
            at = {towardsEnd ? client.right - arrow : client.left + arrow,
                  client.bottom + ::GetSystemMetrics(SM_CYHSCROLL) / 2};
        }
        RECT before;
        ::GetWindowRect(::GetDlgItem(m_dialog, id), &before);
        MouseTo(at);
        MouseButton(true);
        MouseButton(false);
        ++m_scrollClicks;
        // One click at a time: the next is read and made only once this one
        // has moved the controls, so no click lands on a moving target.
        for (int i = 0; i < 100; ++i) {
            RECT now;
            ::GetWindowRect(::GetDlgItem(m_dialog, id), &now);
            if (!::EqualRect(&now, &before)) break;
            ::Sleep(10);
        }
        WaitUntilSettled(id);
    }
}

// Every control moves with a scroll: no place is read before it is done.
void AppDriver::WaitUntilSettled(int id) const {
    HWND control = ::GetDlgItem(m_dialog, id);
    RECT before;
    ::GetWindowRect(control, &before);
    for (int i = 0; i < 100; ++i) {
        ::Sleep(30);
        RECT now;
        ::GetWindowRect(control, &now);
        if (::EqualRect(&now, &before)) return;
        before = now;
    }
}

bool AppDriver::ReachWithMouse(int id) {
    ScrollIntoView(id);
    if (Visible(id)) return true;
    ++m_keyboardFallbacks;
    return false;
}

int AppDriver::FocusedId() const {
    GUITHREADINFO info{sizeof(info)};
    return ::GetGUIThreadInfo(m_process.dwThreadId, &info) && info.hwndFocus != nullptr
               ? ::GetDlgCtrlID(info.hwndFocus)
               : 0;
}

bool AppDriver::TabTo(int id) {
    for (int presses = 0; presses < 200; ++presses) {
        if (FocusedId() == id) return true;
        PressTab();
    }
    return false;
}

void AppDriver::PressTab() {
    const int before = FocusedId();
    PressKey(VK_TAB);
    for (const DWORD start = ::GetTickCount(); FocusedId() == before && ::GetTickCount() - start < 3000;) ::Sleep(10);
}

std::wstring AppDriver::TextOnceItIs(int id, const std::wstring& expected, DWORD timeoutMs) const {
    std::wstring text = Text(id);
    for (const DWORD start = ::GetTickCount(); text != expected && ::GetTickCount() - start < timeoutMs; text = Text(id))
        ::Sleep(10);
    return text;
}

void AppDriver::Click(int id) {
    if (!ReachWithMouse(id)) {
        if (TabTo(id)) PressKey(VK_SPACE);
        return;
    }
    RECT r;
    ::GetWindowRect(::GetDlgItem(m_dialog, id), &r);
    MouseTo({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    MouseButton(true);
    MouseButton(false);
}

void AppDriver::ClickSpinArrow(int id, bool up) {
    if (!ReachWithMouse(id)) {
        if (TabTo(id)) PressKey(up ? VK_UP : VK_DOWN);
        return;
    }
    RECT r;
    ::GetWindowRect(::GetDlgItem(m_dialog, id), &r);
    const int height = r.bottom - r.top;
    MouseTo({(r.left + r.right) / 2, up ? r.top + height / 4 : r.bottom - 1 - height / 4});
    MouseButton(true);
    MouseButton(false);
}

// The thumb's rectangle, asked of the slider through memory in the program's
// own address space, since the answer is written through a pointer.
RECT AppDriver::ThumbRect(HWND slider) const {
    RECT rect{};
    void* remote = ::VirtualAllocEx(m_process.hProcess, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
    if (remote == nullptr) return rect;
    ::SendMessageW(slider, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(remote));
    ::ReadProcessMemory(m_process.hProcess, remote, &rect, sizeof(rect), nullptr);
    ::VirtualFreeEx(m_process.hProcess, remote, 0, MEM_RELEASE);
    ::MapWindowPoints(slider, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void AppDriver::DragSliderThumb(int id, int dy) {
    ScrollIntoView(id);
    const RECT thumb = ThumbRect(::GetDlgItem(m_dialog, id));
    const POINT grip{(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};
    MouseTo(grip);
    MouseButton(true);
    for (int step = 1; step <= 4 && dy != 0; ++step) MouseTo({grip.x, grip.y + dy * step / 4});
    MouseButton(false);
}

bool AppDriver::IsChecked(int id) const { return ::IsDlgButtonChecked(m_dialog, id) == BST_CHECKED; }
bool AppDriver::IsEnabled(int id) const { return ::IsWindowEnabled(::GetDlgItem(m_dialog, id)) != FALSE; }
int AppDriver::SliderPos(int id) const {
    return static_cast<int>(::SendDlgItemMessageW(m_dialog, id, TBM_GETPOS, 0, 0));
}
std::wstring AppDriver::Text(int id) const { return test_support::WindowText(::GetDlgItem(m_dialog, id)); }

void AppDriver::PressKey(WORD vk, bool alt) {
    std::vector<INPUT> inputs;
    if (alt) inputs.push_back(KeyInput(VK_MENU, false));
    inputs.push_back(KeyInput(vk, false));
    inputs.push_back(KeyInput(vk, true));
    if (alt) inputs.push_back(KeyInput(VK_MENU, true));
    SendInputs(inputs.data(), static_cast<UINT>(inputs.size()));
}

void AppDriver::ChooseSystemMenuItem(WORD accessKey) {
    PressKey(VK_SPACE, true);
    if (accessKey == 0) {
        PressKey(VK_UP);  // from the first item round to the last
        accessKey = VK_RETURN;
    }
    PressKey(accessKey);
}

bool AppDriver::ChooseFileByName(const std::wstring& name, DWORD timeoutMs) {
    HWND chooser = nullptr;
    for (const DWORD start = ::GetTickCount(); chooser == nullptr && ::GetTickCount() - start < timeoutMs; ::Sleep(10))
        chooser = test_support::FindDialogOfThread(m_process.dwThreadId, m_dialog);
    if (chooser == nullptr) return false;
    // The file name box: the edit of a combo box, inside an extended one.
    const HWND box = ::GetDlgItem(chooser, cmb13);
    HWND edit = ::FindWindowExW(box, nullptr, L"Edit", nullptr);
    if (edit == nullptr) edit = ::FindWindowExW(::FindWindowExW(box, nullptr, L"ComboBox", nullptr), nullptr, L"Edit", nullptr);
    if (edit == nullptr) return false;
    // It has the focus when the dialog opens: the name is typed into it.
    std::vector<INPUT> keys;
    for (const wchar_t c : name) {
        for (const bool up : {false, true}) {
            INPUT in{};
            in.type = INPUT_KEYBOARD;
            in.ki.wScan = c;
            in.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
            keys.push_back(in);
        }
    }
    SendInputs(keys.data(), static_cast<UINT>(keys.size()));
    if (test_support::WindowText(edit) != name) return false;
    PressKey(VK_RETURN);
    return true;
}

std::optional<test_support::SeenBox> AppDriver::AnswerBox(DWORD timeoutMs, int answer) {
    return test_support::AnswerNextBox(m_process.dwThreadId, m_dialog, timeoutMs, answer);
}

bool AppDriver::WaitForExit(DWORD timeoutMs) {
    return m_process.hProcess != nullptr && ::WaitForSingleObject(m_process.hProcess, timeoutMs) == WAIT_OBJECT_0;
}
