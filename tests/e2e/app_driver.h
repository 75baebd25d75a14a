// Starts corvaset.exe in a folder and works it through its window as a user
// would: mouse clicks on controls, keys, and the boxes it shows.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "tests/support/win_test_support.h"

class AppDriver {
public:
    AppDriver(const std::wstring& exe, const std::wstring& workDir, const std::wstring& arguments = L"");
    ~AppDriver();
    AppDriver(const AppDriver&) = delete;
    AppDriver& operator=(const AppDriver&) = delete;

    // The settings dialog, once it is on screen; null if it never came.
    HWND Dialog() const { return m_dialog; }

    // A left click in the middle of the dialog's control `id`.
    void Click(int id);
    // A key press, optionally with Alt held, sent to whatever has the focus.
    void PressKey(WORD vk, bool alt = false);
    // Opens the system menu with Alt+Space and chooses its last item.
    void ChooseLastSystemMenuItem();

    // Reads the next box the program shows and presses its OK.
    std::optional<test_support::SeenBox> AnswerBox(DWORD timeoutMs = 10000);
    // Waits for the program to end.
    bool WaitForExit(DWORD timeoutMs = 10000);

private:
    void SendInputs(INPUT* inputs, UINT count);

    PROCESS_INFORMATION m_process{};
    HWND m_dialog = nullptr;
};
