// Each control explains itself: its tip, read through the tooltip as it
// shows it, follows every change, and a screen reader reads the same text as
// the control's description. "Changes..." lists what Save then writes.
#include "tests/ui/dialog_fixture.h"

#include <thread>

#include "tests/support/accessible_text.h"

namespace {

class ControlHelp : public DialogTest {
protected:
    // The tip of a control as the tooltip shows it (it asks the dialog).
    std::wstring Tip(int id) {
        wchar_t text[1024] = L"";
        TOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND;
        tool.hwnd = hwnd;
        tool.uId = reinterpret_cast<UINT_PTR>(::GetDlgItem(hwnd, id));
        tool.lpszText = text;
        ::SendMessageW(dialog.ToolTips(), TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&tool));
        return text;
    }
};

// A spin, a greyed line, a QM-3 feature, the Codec radios and a control
// without a setting, before and after a change; the core's tests hold the
// wording of every kind.
TEST_F(ControlHelp, TipsFollowEveryChangeAndScreenReadersReadThem) {
    FinishStarting();
    ASSERT_NE(dialog.ToolTips(), nullptr);
    test_support::ComThread com;
    // The change: `press` clicked, or its spin's down arrow pressed; then `andThen` clicked.
    struct Step {
        int control;
        const wchar_t* before;
        int press;
        int andThen;
        const wchar_t* after;
    };
    const Step steps[] = {
        {IDC_MAXSPIN_MASTER,
         L"The loudest level the driver lets the Master output reach.\nMasVMax: factory +0.0, now +0.0",
         IDC_MAXSPIN_MASTER, 0,
         L"The loudest level the driver lets the Master output reach.\nMasVMax: factory +0.0, now -1.5, changed"},
        {IDC_MAXSPIN_HEADPHONE,
         L"The loudest level the driver lets the headphone output reach.\nHP_VMax: factory +0.0, now +0.0\n"
         L"Greyed while DisableHeadphone is on",
         IDC_DISABLE_HEADPHONE, 0,
         L"The loudest level the driver lets the headphone output reach.\nHP_VMax: factory +0.0, now +0.0"},
        {IDC_JACK_DETECT,
         L"Lets the driver switch outputs when a plug goes into a jack.\nEnableJackDetect: factory off, now off",
         IDC_JACK_DETECT, IDC_CODEC_QM2,
         L"Lets the driver switch outputs when a plug goes into a jack.\n"
         L"EnableJackDetect: factory off, now on, changed\n"
         L"Greyed: only QM-3/QM-3A has this; under QM-2 Save leaves it out"},
        {IDC_CODEC_QM1,
         L"The codec model the driver package is for; only QM-3/QM-3A gets the S/PDIF, 3.3 V and jack "
         L"detection settings.\ncodec: factory QM-3/QM-3A, now QM-2, changed",
         IDC_CODEC_QM3, 0,
         L"The codec model the driver package is for; only QM-3/QM-3A gets the S/PDIF, 3.3 V and jack "
         L"detection settings.\ncodec: factory QM-3/QM-3A, now QM-3/QM-3A"},
        {IDC_DEFTEXT_WAVE, L"Greyed: the driver has no such setting for this line", 0, 0, nullptr},
    };
    for (const Step& step : steps) {
        const HWND control = ::GetDlgItem(hwnd, step.control);
        EXPECT_EQ(Tip(step.control), step.before) << step.control;
        EXPECT_EQ(test_support::AccessibleObject(control).Description(), step.before) << step.control;
        if (step.press == 0) continue;
        if (step.press == IDC_MAXSPIN_MASTER)
            PressSpin(step.press, false);
        else
            Click(step.press);
        if (step.andThen != 0) Click(step.andThen);
        EXPECT_EQ(Tip(step.control), step.after) << step.control;
        EXPECT_EQ(test_support::AccessibleObject(control).Description(), step.after) << step.control;
    }
}

// A greyed control gets no mouse messages of its own: the dialog's tool
// stands on it while the mouse does.
TEST_F(ControlHelp, AGreyedControlHasItsTipWhereTheMouseRests) {
    FinishStarting();
    RECT place;
    ::GetWindowRect(::GetDlgItem(hwnd, IDC_SLIDER_HEADPHONE), &place);
    ::MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&place), 2);
    ::SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(place.left + 2, place.top + 2));
    TTHITTESTINFOW hit{};
    hit.hwnd = hwnd;
    hit.pt = {place.left + 2, place.top + 2};
    hit.ti.cbSize = sizeof(hit.ti);
    ASSERT_TRUE(::SendMessageW(dialog.ToolTips(), TTM_HITTESTW, 0, reinterpret_cast<LPARAM>(&hit)));
    wchar_t text[1024] = L"";
    hit.ti.lpszText = text;
    ::SendMessageW(dialog.ToolTips(), TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&hit.ti));
    EXPECT_STREQ(text,
                 L"The headphone output's level and mute as the driver starts.\n"
                 L"HeadphoneVolume: factory -6.0, now -6.0\nGreyed while DisableHeadphone is on");
}

// Reads the "Changes..." box as a user sees it, copies its list and closes it.
std::wstring ReadChangesBox(HWND dialog) {
    std::wstring seen;
    std::thread reader([&] {
        HWND box = nullptr;
        for (int i = 0; i < 200 && box == nullptr; ++i, ::Sleep(10))
            box = test_support::FindDialogOfThread(::GetWindowThreadProcessId(dialog, nullptr), dialog);
        if (box == nullptr) return;
        seen = test_support::WindowText(::GetDlgItem(box, IDC_CHANGES_LIST));
        ::SendMessageW(::GetDlgItem(box, IDC_CHANGES_COPY), BM_CLICK, 0, 0);
        test_support::PressOk(box);
    });
    ::SendMessageW(dialog, WM_SYSCOMMAND, IDM_CHANGES, 0);
    reader.join();
    return seen;
}

std::wstring ClipboardText() {
    std::wstring text;
    if (!::OpenClipboard(nullptr)) return text;
    if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(::GlobalLock(data));
        ::GlobalUnlock(data);
    }
    ::CloseClipboard();
    return text;
}

// The records a file holds, in the list's form.
std::wstring PresentRecords(const std::vector<std::uint8_t>& bytes) {
    std::wstring lines;
    const auto records = custom::DecodeCustomFile(bytes.data(), bytes.size());
    for (std::size_t i = 0; records && i < custom::kEntryCount; ++i)
        if ((*records)[i].present == 1) lines += std::to_wstring(i) + L" ";
    return lines;
}

TEST_F(ControlHelp, ChangesListsWhatSaveThenWrites) {
    test_support::ScratchDir dir;
    test_support::CurrentDirectory here(dir.Path());
    EXPECT_EQ(ReadChangesBox(hwnd), L"Nothing is customized\r\n");

    PressSpin(IDC_MAXSPIN_MASTER, false);
    Click(IDC_SELECT_MIC);
    Click(IDC_ENABLE_48K_SPDIF);
    const std::wstring list = ReadChangesBox(hwnd);
    EXPECT_EQ(list,
              L" 12  RecordSelect         0x0000      record source Mic\r\n"
              L" 36  Enable48KSpdif       0x01        on  [QM-3/QM-3A only]\r\n"
              L" 38  MasVMax              0x01        max level -1.5 dB (MasterVolume)\r\n");
    EXPECT_EQ(ClipboardText(), list);
    ClickAndAnswer(IDOK);
    EXPECT_EQ(PresentRecords(*test_support::ReadFileBytes(dir.File(L"corvaset.dat"))), L"12 36 38 ");
}

}  // namespace
