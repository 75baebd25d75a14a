// The real settings dialog, created from template 102 for one test.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "dialog/control_table.h"
#include "dialog/corvaset_dlg.h"
#include "res/resource.h"
#include "tests/support/modeless_dialog.h"
#include "tests/support/win_test_support.h"

class DialogTest : public ::testing::Test {
protected:
    // The dialog opens no About box unless a test hands it one.
    explicit DialogTest(CCorvasetDlg::ShowAboutBox showAbout = nullptr) : dialog(showAbout) {}

    void SetUp() override {
        INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
        ::InitCommonControlsEx(&classes);
        ASSERT_TRUE(test_support::CreateModeless(dialog)) << "error " << ::GetLastError();
        hwnd = dialog.GetSafeHwnd();
    }

    // Runs the messages posted to the dialog, as its message loop would.
    void PumpMessages() {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!::IsDialogMessageW(hwnd, &msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
        }
    }

    // Runs the dialog's messages until it has done what it leaves for after
    // its first paint: watching its controls and naming them. Its tips come
    // last.
    void FinishStarting() {
        for (int i = 0; i < 100 && dialog.ToolTips() == nullptr; ++i) {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
            PumpMessages();
        }
        ASSERT_NE(dialog.ToolTips(), nullptr);
    }

    // How far the dialog's content is scrolled, as its scroll bars show it.
    POINT ScrollPosition() const { return {::GetScrollPos(hwnd, SB_HORZ), ::GetScrollPos(hwnd, SB_VERT)}; }
    // Ending the dialog hides its window.
    bool Ended() const { return !::IsWindowVisible(hwnd); }

    // Clicks a button of the dialog as the keyboard or mouse would.
    void Click(int id) { ::SendMessageW(::GetDlgItem(hwnd, id), BM_CLICK, 0, 0); }

    // Clicks a button and answers every box it shows, the first ones with
    // `answers` (IDYES, IDNO ...), the others with OK.
    std::vector<test_support::SeenBox> ClickAndAnswer(int id, std::vector<int> answers = {}) {
        test_support::BoxAnswerer answerer(::GetCurrentThreadId(), hwnd, std::move(answers));
        Click(id);
        return answerer.Finish();
    }

    // One edit that "Save" writes under every model: the Mic line unmuted.
    void UnmuteMic() { UnmuteMicOf(dialog); }
    static void UnmuteMicOf(CCorvasetDlg& d) {
        if (d.Settings().Working()[custom::Entry::MicVolume].value & 0x8000)
            ::SendMessageW(::GetDlgItem(d.GetSafeHwnd(), IDC_MUTE_MIC), BM_CLICK, 0, 0);
    }

    // Presses a spin's up or down arrow with the mouse.
    void PressSpin(int id, bool up) {
        HWND spin = ::GetDlgItem(hwnd, id);
        RECT r;
        ::GetClientRect(spin, &r);
        const LPARAM at = MAKELPARAM(r.right / 2, up ? r.bottom / 4 : r.bottom * 3 / 4);
        ::SendMessageW(spin, WM_LBUTTONDOWN, MK_LBUTTON, at);
        ::SendMessageW(spin, WM_LBUTTONUP, 0, at);
    }

    // A key pressed on a slider that has the focus (VK_UP, VK_NEXT, VK_END, ...).
    void SliderKey(int id, WORD vk) {
        HWND slider = ::GetDlgItem(hwnd, id);
        ::SendMessageW(slider, WM_KEYDOWN, vk, 0);
        ::SendMessageW(slider, WM_KEYUP, vk, 0);
    }

    // The thumb dragged to `position`: the slider moves and reports it as it would while tracking.
    void DragSlider(int id, int position) {
        HWND slider = ::GetDlgItem(hwnd, id);
        ::SendMessageW(slider, TBM_SETPOS, TRUE, position);
        ::SendMessageW(hwnd, WM_VSCROLL, MAKEWPARAM(TB_THUMBTRACK, position), reinterpret_cast<LPARAM>(slider));
        ::SendMessageW(hwnd, WM_VSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(slider));
    }

    // A spin's delta-position notification with any values, as another program could send it.
    LRESULT SendSpinNotification(int id, int pos, int delta) {
        NMUPDOWN press{};
        press.hdr.hwndFrom = ::GetDlgItem(hwnd, id);
        press.hdr.idFrom = static_cast<UINT_PTR>(id);
        press.hdr.code = UDN_DELTAPOS;
        press.iPos = pos;
        press.iDelta = delta;
        ::SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, 0);
        ::SendMessageW(hwnd, WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&press));
        return ::GetWindowLongPtrW(hwnd, DWLP_MSGRESULT);
    }

    bool Enabled(int id) const { return ::IsWindowEnabled(::GetDlgItem(hwnd, id)) != FALSE; }
    bool Checked(int id) const { return ::IsDlgButtonChecked(hwnd, id) == BST_CHECKED; }
    std::wstring Text(int id) const { return test_support::WindowText(::GetDlgItem(hwnd, id)); }
    int SliderPos(int id) const { return static_cast<int>(::SendDlgItemMessageW(hwnd, id, TBM_GETPOS, 0, 0)); }
    int SpinPos(int id) const { return static_cast<int>(::SendDlgItemMessageW(hwnd, id, UDM_GETPOS32, 0, 0)); }
    std::uint32_t Value(custom::Entry e) { return dialog.Settings().Working()[e].value; }

    // The first box, radio or slider not showing what the dialog's settings say; 0: none.
    int ControlOffTheSettings() {
        for (const controls::Control& c : controls::kControls) {
            const int should = dialog.Settings().ViewOf(c.shows).position;
            const bool button = c.kind == controls::Kind::Box || c.kind == controls::Kind::Radio;
            const bool slider = c.kind == controls::Kind::Slider && c.shows.shows != custom::Shows::Nothing;
            if ((button && Checked(c.id) != (should != 0)) || (slider && SliderPos(c.id) != should)) return c.id;
        }
        return 0;
    }

    bool WorkingEqualsDefaults() {
        for (std::size_t i = 0; i < custom::kEntryCount; ++i)
            if (dialog.Settings().Working()[i].value != custom::DefaultEntryTable[i].value) return false;
        return true;
    }

    CCorvasetDlg dialog;
    HWND hwnd = nullptr;
};
