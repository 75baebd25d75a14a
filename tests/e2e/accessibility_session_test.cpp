// A screen reader is a program of its own: it reads corvaset.exe's controls
// from its process, through the objects the controls hand over.
#include "res/resource.h"
#include "tests/e2e/user_session.h"
#include "tests/support/accessible_text.h"

namespace {

struct SeenControl {
    int id;
    const wchar_t* name;
    const wchar_t* value;  // "" for none
};

constexpr SeenControl kSeen[] = {
    {IDC_SLIDER_LINEIN, L"Volume, Line In", L"+6.0 dB"},
    {IDC_MAXSPIN_AUX, L"Max Volume (dB), AUX", L"+12.0 dB"},
    {IDC_DEFTEXT_MIC, L"Default Volume (dB), Mic", L"+6.0 dB"},
    {IDC_MUTE_MASTER, L"Mute, Master", L""},
    {IDC_SELECT_STEREOMIX, L"Select, Stereo Mix", L""},
};

}  // namespace

TEST_F(UserSession, AScreenReaderReadsNamesAndLevelsFromAnotherProcess) {
    test_support::ComThread com;
    auto& app = Start();
    // The program names its controls once its dialog has been painted.
    HWND box = ::GetDlgItem(app.Dialog(), IDC_MUTE_MASTER);
    for (int i = 0; i < 100 && test_support::AccessibleName(box).value_or(L"").empty(); ++i) ::Sleep(20);
    for (const auto& control : kSeen) {
        SCOPED_TRACE(control.id);
        HWND window = ::GetDlgItem(app.Dialog(), control.id);
        EXPECT_EQ(test_support::AccessibleName(window), std::wstring(control.name));
        EXPECT_EQ(test_support::AccessibleValue(window), std::wstring(control.value));
    }
    // The object a reader keeps follows the slider.
    const test_support::AccessibleObject master(::GetDlgItem(app.Dialog(), IDC_SLIDER_MASTER));
    EXPECT_EQ(master.Value(), std::wstring(L"-6.0 dB"));
    app.FocusSlider(IDC_SLIDER_MASTER);
    app.PressKey(VK_END);
    EXPECT_EQ(master.Value(), std::wstring(L"-46.5 dB"));
}
