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

    // A left click in the middle of the dialog's control `id`, scrolled into
    // view with the dialog's scroll bars first where it is not in view; if
    // the mouse cannot reach it, Tab to it and Space.
    void Click(int id);
    // A click on a spin's up or down arrow (off the screen: Tab and an arrow key).
    void ClickSpinArrow(int id, bool up);
    // Presses the left button on a slider's thumb, moves to `dy` pixels below
    // (negative: above) and lets go.
    void DragSliderThumb(int id, int dy);
    // Clicks a slider's thumb, which gives it the focus without moving it.
    void FocusSlider(int id) { DragSliderThumb(id, 0); }
    // How often the dialog had to be scrolled with the mouse, and how often a
    // control could not be reached with the mouse at all.
    int ScrollClicks() const { return m_scrollClicks; }
    int KeyboardFallbacks() const { return m_keyboardFallbacks; }
    // The dialog's window rectangle on the screen.
    RECT WindowRect() const {
        RECT r;
        ::GetWindowRect(m_dialog, &r);
        return r;
    }
    // A control's state, read as another program can.
    bool IsChecked(int id) const;
    bool IsEnabled(int id) const;
    int SliderPos(int id) const;
    std::wstring Text(int id) const;
    // The control's text once it reads `expected`, or as it is after
    // `timeoutMs`: a key sent with SendInput is taken in the program's own
    // time, after this process has gone on.
    std::wstring TextOnceItIs(int id, const std::wstring& expected, DWORD timeoutMs = 3000) const;

    // Moves the keyboard focus to a control with Tab, as a user does with a
    // control the mouse cannot reach.
    bool TabTo(int id);
    // Tab, then wait until the focus has left the control that had it, so
    // that the next read of the focus sees this press.
    void PressTab();
    // The control that has the keyboard focus, by ID; 0 for none.
    int FocusedId() const;

    // A key press, optionally with Alt held, sent to whatever has the focus.
    void PressKey(WORD vk, bool alt = false);
    // Opens the system menu with Alt+Space and chooses an item by its
    // access key, which works only while no other item has that key; or
    // with no key, the last item.
    void ChooseSystemMenuItem(WORD accessKey = 0);
    // Waits for the Open or Save dialog, types `name` into its file name
    // box and presses Enter. False when no such dialog came or the name did
    // not arrive in the box.
    bool ChooseFileByName(const std::wstring& name, DWORD timeoutMs = 10000);

    // Reads the next box the program shows and presses its OK (or `answer`).
    std::optional<test_support::SeenBox> AnswerBox(DWORD timeoutMs = 10000, int answer = IDOK);
    // Waits for the program to end.
    bool WaitForExit(DWORD timeoutMs = 10000);

private:
    void SendInputs(INPUT* inputs, UINT count);
    void MouseTo(POINT screen);
    void MouseButton(bool down);
    RECT ThumbRect(HWND slider) const;
    // Whether the whole control is in the visible part of the dialog.
    bool Visible(int id) const;
    // Clicks the arrows of the dialog's scroll bars until the control is in view.
    void ScrollIntoView(int id);
    bool ReachWithMouse(int id);
    void WaitUntilSettled(int id) const;

    PROCESS_INFORMATION m_process{};
    int m_scrollClicks = 0;
    int m_keyboardFallbacks = 0;
    HWND m_dialog = nullptr;
};
