// What a screen reader learns of the settings dialog's controls, asked as a
// client asks: AccessibleObjectFromWindow on the control, then its name and
// value.
#include "tests/ui/dialog_fixture.h"

#include <oleacc.h>

#include <map>
#include <set>
#include <string>
#include <tuple>

#include "tests/support/accessible_text.h"

namespace {

struct ExpectedName {
    int id;
    const wchar_t* name;
};

// Each kind of control without text of its own, from both groups and both
// edges of the grid; the boxes with a caption keep it.
constexpr ExpectedName kExpectedNames[] = {
    {IDC_SLIDER_LINEIN, L"Volume, Line In"},
    {IDC_SLIDER_3D, L"Volume, 3D Depth"},
    {IDC_MAXSPIN_MASTER, L"Max Volume (dB), Master"},
    {IDC_MAXSPIN_SPDIF, L"Max Volume (dB), SPDIF"},
    {IDC_MAXTEXT_HEADPHONE, L"Max Volume (dB), Headphone"},
    {IDC_DEFTEXT_SWSYNTH, L"Default Volume (dB), SW Synth"},
    {IDC_MUTE_MASTER, L"Mute, Master"},
    {IDC_MUTE_PCSPEAKER, L"Mute, PC Speaker"},
    {IDC_DISABLE_CD, L"Disable Line, CD"},
    {IDC_DISABLE_HEADPHONE, L"Disable Line, Headphone"},
    {IDC_RECSPIN_AUX, L"Max Volume (dB), AUX"},
    {IDC_RECTEXT_MONOMIX, L"Max Volume (dB), Mono Mix"},
    {IDC_SELECT_MONOMIX, L"Select, Mono Mix"},
    {IDC_SELECT_PHONE, L"Select, Phone"},
    // In the "Advance control" row, under the Video and Phone columns.
    {IDC_SPDIF_SRC, L"Sampling Rate Conversion for SPDIF Output"},
    {IDC_MIC2_SELECT, L"Mic2 Select"},
};

// A step of the values test: an action on a control, then what a client
// reads of one control ("" for no value).
enum class Act { None, Key, SpinDown };
struct ValueStep {
    Act act;
    int control;
    WORD key;
    int read;
    const wchar_t* value;
};

constexpr ValueStep kValueSteps[] = {
    {Act::None, 0, 0, IDC_SLIDER_MASTER, L"-6.0 dB"},
    {Act::Key, IDC_SLIDER_MASTER, VK_END, IDC_SLIDER_MASTER, L"-46.5 dB"},
    {Act::None, 0, 0, IDC_DEFTEXT_MASTER, L"-46.5 dB"},
    {Act::Key, IDC_SLIDER_MASTER, VK_HOME, IDC_SLIDER_MASTER, L"+0.0 dB"},
    {Act::None, 0, 0, IDC_SLIDER_AUX, L"+6.0 dB"},
    {Act::None, 0, 0, IDC_MAXSPIN_AUX, L"+12.0 dB"},
    {Act::SpinDown, IDC_MAXSPIN_AUX, 0, IDC_MAXSPIN_AUX, L"+10.5 dB"},
    {Act::None, 0, 0, IDC_MAXTEXT_AUX, L"+10.5 dB"},
    {Act::SpinDown, IDC_RECSPIN_MIC, 0, IDC_RECSPIN_MIC, L"+21.0 dB"},
    {Act::SpinDown, IDC_MAXSPIN_SWSYNTH, 0, IDC_MAXSPIN_WAVE, L"-1.5 dB"},
    // No level on these lines: the dialog shows "X".
    {Act::None, 0, 0, IDC_SLIDER_WAVE, L""},
    {Act::None, 0, 0, IDC_MAXSPIN_SPDIF, L""},
    {Act::None, 0, 0, IDC_DEFTEXT_3D, L""},
};

}  // namespace

class AccessibilityTest : public DialogTest {
protected:
    // The dialog names its controls once it has been painted.
    void SetUp() override {
        DialogTest::SetUp();
        FinishStarting();
    }

    test_support::ComThread com;
};

TEST_F(AccessibilityTest, ControlsAreNamedByRowLabelAndColumnHeader) {
    for (const auto& expected : kExpectedNames) {
        SCOPED_TRACE(expected.id);
        EXPECT_EQ(test_support::AccessibleName(::GetDlgItem(hwnd, expected.id)), std::wstring(expected.name));
    }
}

// Every control without text of its own, found in the window as a client
// finds it, has a name the standard object does not give it, and no two
// controls of one class in one group share a name.
TEST_F(AccessibilityTest, EveryControlWithoutTextOfItsOwnHasANameOfItsOwn) {
    std::vector<HWND> groups;
    std::vector<HWND> bare;
    for (HWND w = ::GetWindow(hwnd, GW_CHILD); w != nullptr; w = ::GetWindow(w, GW_HWNDNEXT)) {
        const std::wstring kind = test_support::ClassName(w);
        const LONG style = ::GetWindowLongW(w, GWL_STYLE);
        if (kind == L"Button" && (style & BS_TYPEMASK) == BS_GROUPBOX) groups.push_back(w);
        const bool ownId = static_cast<WORD>(::GetDlgCtrlID(w)) != static_cast<WORD>(IDC_STATIC);
        if (kind == TRACKBAR_CLASSW || kind == UPDOWN_CLASSW || (kind == L"Button" && test_support::WindowText(w).empty()) ||
            (kind == L"Static" && ownId))
            bare.push_back(w);
    }
    EXPECT_EQ(bare.size(), 102u);

    std::set<std::tuple<std::wstring, std::wstring, std::wstring>> seen;
    for (HWND w : bare) {
        SCOPED_TRACE(::GetDlgCtrlID(w));
        IAccessible* standard = nullptr;
        ASSERT_HRESULT_SUCCEEDED(::CreateStdAccessibleObject(w, OBJID_CLIENT, IID_IAccessible,
                                                             reinterpret_cast<void**>(&standard)));
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR standardName = nullptr;
        standard->get_accName(self, &standardName);
        const std::wstring standardText = standardName != nullptr ? standardName : L"";
        ::SysFreeString(standardName);
        standard->Release();

        const auto name = test_support::AccessibleName(w);
        ASSERT_TRUE(name.has_value());
        EXPECT_FALSE(name->empty());
        EXPECT_NE(*name, standardText);

        RECT at;
        ::GetWindowRect(w, &at);
        const POINT middle{(at.left + at.right) / 2, (at.top + at.bottom) / 2};
        std::wstring group;
        for (HWND g : groups) {
            RECT box;
            ::GetWindowRect(g, &box);
            if (::PtInRect(&box, middle)) group = test_support::WindowText(g);
        }
        EXPECT_TRUE(seen.insert({group, test_support::ClassName(w), *name}).second) << "twice: " << *name;
    }
}

// A slider's value is its "Default Volume (dB)" text with the unit, a spin's
// and a value text's the text they show; they follow every move.
TEST_F(AccessibilityTest, ValuesAreTheLevelsShownInDecibels) {
    Click(IDC_DISABLE_HEADPHONE);  // every level column free
    // Taken once and kept, as a screen reader keeps them.
    std::map<int, test_support::AccessibleObject> objects;
    for (const auto& step : kValueSteps) objects.try_emplace(step.read, ::GetDlgItem(hwnd, step.read));
    for (const auto& step : kValueSteps) {
        SCOPED_TRACE(step.read);
        if (step.act == Act::Key) SliderKey(step.control, step.key);
        if (step.act == Act::SpinDown) PressSpin(step.control, false);
        EXPECT_EQ(objects.at(step.read).Value(), std::wstring(step.value));
    }
}
