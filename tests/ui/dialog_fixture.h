// The real settings dialog, created from template 102 for one test.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "app/about_dlg.h"
#include "dialog/corvaset_dlg.h"
#include "res/resource.h"
#include "tests/support/win_test_support.h"

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
        ::InitCommonControlsEx(&classes);
        ASSERT_TRUE(dialog.Create()) << "error " << ::GetLastError();
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

    // Clicks a button of the dialog as the keyboard or mouse would.
    void Click(int id) { ::SendMessageW(::GetDlgItem(hwnd, id), BM_CLICK, 0, 0); }

    // Clicks a button and answers every box it shows.
    std::vector<test_support::SeenBox> ClickAndAnswer(int id) {
        test_support::BoxAnswerer answerer(::GetCurrentThreadId(), hwnd);
        Click(id);
        return answerer.Finish();
    }

    // One edit of the working table that "Save" writes under every model.
    void UnmuteMic() {
        custom::StoreBit(dialog.WorkingEntryTable()[custom::Entry::MicVolume], custom::kMuteBit, false);
    }

    bool WorkingEqualsDefaults() {
        for (std::size_t i = 0; i < custom::kEntryCount; ++i)
            if (dialog.WorkingEntryTable()[i].value != custom::DefaultEntryTable[i].value) return false;
        return true;
    }

    CCorvasetDlg dialog{&CAboutDlg::Show};
    HWND hwnd = nullptr;
};
