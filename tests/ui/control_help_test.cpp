// Each control explains itself: its tip, read through the tooltip as it
// shows it, follows every change, and a screen reader reads the same text as
// the control's description. "Changes..." lists what Save then writes.
#include "tests/ui/dialog_fixture.h"

#include <map>
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
         L"The loudest level the driver lets the Master output reach.\nMasVMax: factory +0.0 dB, now +0.0 dB",
         IDC_MAXSPIN_MASTER, 0,
         L"The loudest level the driver lets the Master output reach.\nMasVMax: factory +0.0 dB, now -1.5 dB, changed"},
        {IDC_MAXSPIN_HEADPHONE,
         L"The loudest level the driver lets the headphone output reach.\nHP_VMax: factory +0.0 dB, now +0.0 dB\n"
         L"Greyed while the Headphone line's \"Disable Line\" box is ticked (DisableHeadphone)",
         IDC_DISABLE_HEADPHONE, 0,
         L"The loudest level the driver lets the headphone output reach.\nHP_VMax: factory +0.0 dB, now +0.0 dB"},
        {IDC_JACK_DETECT,
         L"Ticked: lets the driver switch outputs when a plug goes into a jack.\n"
         L"EnableJackDetect: factory not ticked, now not ticked",
         IDC_JACK_DETECT, IDC_CODEC_QM2,
         L"Ticked: lets the driver switch outputs when a plug goes into a jack.\n"
         L"EnableJackDetect: factory not ticked, now ticked, changed\n"
         L"Greyed: only QM-3/QM-3A has this; under QM-2 Save leaves it out"},
        {IDC_CODEC_QM1,
         L"Selected: the driver package is for the QM-1/1P codec; only QM-3/QM-3A gets the S/PDIF, 3.3 V and jack "
         L"detection settings.\ncodec: factory QM-3/QM-3A, now QM-2, changed",
         IDC_CODEC_QM3, 0,
         L"Selected: the driver package is for the QM-1/1P codec; only QM-3/QM-3A gets the S/PDIF, 3.3 V and jack "
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
                 L"How loud the headphone output is as the driver starts.\n"
                 L"HeadphoneVolume level (bits 0-4, 8-12): factory -6.0 dB, now -6.0 dB\nGreyed while the Headphone line's \"Disable Line\" box is ticked (DisableHeadphone)");
}

// A control speaks of what it shows: two controls that share a first line
// show the same thing (a slider and its dB text, the Wave and SW Synth spins).
TEST(ControlHelpTexts, NoControlTellsAnothersStory) {
    const custom::Settings factory;
    std::map<std::string, custom::ControlMeaning> told;
    for (const controls::Control& c : controls::kControls) {
        const std::string tip = factory.TipOf(c.shows);
        const auto [first, isNew] = told.try_emplace(tip.substr(0, tip.find('\n')), c.shows);
        EXPECT_TRUE(isNew || first->second == c.shows) << c.id << ": " << first->first;
    }
}

// The "Changes..." box as a user finds it, and the box Copy showed, if any.
struct ChangesBox {
    std::wstring list;
    LRESULT selection = -1;  // EM_GETSEL: start and end in one
    bool vertical = false, horizontal = false;
    std::wstring copyFailure;
};

BOOL CALLBACK FindOwned(HWND w, LPARAM lp) {
    auto& search = *reinterpret_cast<std::pair<HWND, HWND>*>(lp);  // owner, found
    if (::GetWindow(w, GW_OWNER) == search.first && ::IsWindowVisible(w)) search.second = w;
    return search.second == nullptr;
}

// A box of thread `thread` that `owner` opened.
HWND BoxOwnedBy(DWORD thread, HWND owner) {
    std::pair<HWND, HWND> search{owner, nullptr};
    ::EnumThreadWindows(thread, FindOwned, reinterpret_cast<LPARAM>(&search));
    return search.second;
}

// Reads the "Changes..." box, copies its list (while another program holds
// the clipboard, when `held`) and closes it.
ChangesBox ReadChangesBox(HWND dialog, bool held = false) {
    ChangesBox seen;
    std::thread reader([&] {
        const DWORD thread = ::GetWindowThreadProcessId(dialog, nullptr);
        HWND box = nullptr;
        for (int i = 0; i < 200 && box == nullptr; ++i, ::Sleep(10)) box = test_support::FindDialogOfThread(thread, dialog);
        if (box == nullptr) return;
        const HWND list = ::GetDlgItem(box, IDC_CHANGES_LIST);
        seen.list = test_support::WindowText(list);
        seen.selection = ::SendMessageW(list, EM_GETSEL, 0, 0);
        seen.vertical = ::GetWindowLongW(list, GWL_STYLE) & WS_VSCROLL;
        seen.horizontal = ::GetWindowLongW(list, GWL_STYLE) & WS_HSCROLL;
        if (held && ::OpenClipboard(nullptr)) {
            ::PostMessageW(::GetDlgItem(box, IDC_CHANGES_COPY), BM_CLICK, 0, 0);
            for (int i = 0; i < 300 && seen.copyFailure.empty(); ++i, ::Sleep(10))
                if (HWND failure = BoxOwnedBy(thread, box)) {
                    seen.copyFailure = test_support::ReadBox(failure).text;
                    test_support::PressOk(failure);
                }
            ::CloseClipboard();
        } else {
            ::SendMessageW(::GetDlgItem(box, IDC_CHANGES_COPY), BM_CLICK, 0, 0);
        }
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
    EXPECT_EQ(ReadChangesBox(hwnd).list, L"Nothing is customized\r\n");

    PressSpin(IDC_MAXSPIN_MASTER, false);
    Click(IDC_SELECT_MIC);
    Click(IDC_ENABLE_48K_SPDIF);
    const ChangesBox box = ReadChangesBox(hwnd);
    EXPECT_EQ(box.list,
              L" 12  RecordSelect         0x0000      record source Mic\r\n"
              L" 36  Enable48KSpdif       0x01        on  [QM-3/QM-3A only]\r\n"
              L" 38  MasVMax              0x01        max level -1.5 dB (MasterVolume)\r\n");
    EXPECT_EQ(box.selection, 0) << "nothing selected";
    EXPECT_FALSE(box.vertical || box.horizontal) << "three lines fit";
    EXPECT_EQ(ClipboardText(), box.list);
    ClickAndAnswer(IDOK);
    EXPECT_EQ(PresentRecords(*test_support::ReadFileBytes(dir.File(L"corvaset.dat"))), L"12 36 38 ");
}

// A list longer than the box scrolls; a Copy that finds the clipboard taken says so.
TEST_F(ControlHelp, ChangesScrollsALongListAndTellsACopyThatFailed) {
    for (int id : {IDC_MAXSPIN_MASTER, IDC_MAXSPIN_WAVE, IDC_MAXSPIN_CD, IDC_RECSPIN_MONOMIX, IDC_RECSPIN_STEREOMIX,
                   IDC_RECSPIN_AUX, IDC_RECSPIN_CD, IDC_RECSPIN_LINEIN, IDC_RECSPIN_MIC, IDC_RECSPIN_PHONE, IDC_RECSPIN_VIDEO})
        PressSpin(id, false);
    for (int id : {IDC_MUTE_MASTER, IDC_MUTE_WAVE, IDC_MUTE_AUX, IDC_MUTE_VIDEO, IDC_MUTE_LINEIN, IDC_MUTE_PHONE,
                   IDC_MUTE_PCSPEAKER, IDC_DISABLE_MASTER, IDC_DISABLE_WAVE, IDC_DISABLE_AUX, IDC_DISABLE_VIDEO,
                   IDC_DISABLE_LINEIN, IDC_DISABLE_PHONE, IDC_DISABLE_PCSPEAKER, IDC_DISABLE_MIC, IDC_DISABLE_HEADPHONE,
                   IDC_DISABLE_MIC2, IDC_DISABLE_MIC_BOOST, IDC_JACK_DETECT, IDC_ENABLE_48K_SPDIF})
        Click(id);
    const ChangesBox box = ReadChangesBox(hwnd, true);
    EXPECT_TRUE(box.vertical) << box.list;
    EXPECT_FALSE(box.horizontal);
    EXPECT_EQ(box.copyFailure,
              L"The list could not be put on the clipboard: another program may be holding it.\n\n"
              L"Try Copy again in a moment.");
}

}  // namespace
