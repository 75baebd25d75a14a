// What the controls show right after the dialog opens and after "Default".
#include "tests/ui/dialog_fixture.h"

#include <map>
#include <set>

namespace {

// Greyed in a freshly opened dialog: the Headphone line (its "Disable Line"
// box starts ticked) and every control without behaviour.
const std::set<int> kGreyedAtStart = {
    1092, 1042, 1012, 1093, 1044,                          // Headphone line
    1013, 1026, 1014, 1067, 1001, 1028, 1016, 1068, 1003,  // Master, Wave, SW Synth
    1030, 1018, 1077, 1090, 1061, 1011,                    // CD, SPDIF
    1035, 1023, 1076, 1010, 1089, 1059,                    // 3D Depth
};

const std::set<int> kTickedAtStart = {1040, 1032, 1035, 1112, 1098};

// Every control with an ID: the push buttons and 1000 to 1114.
std::vector<int> AllControlIds() {
    std::vector<int> ids = {IDOK, IDCANCEL};
    for (int id = 1000; id <= 1114; ++id) ids.push_back(id);
    return ids;
}

const std::map<int, std::wstring> kTextsAtStart = {
    // Default volume: attenuation 4 (-6.0) or gain code 4 (+6.0); CD's 12 sits at gain code 12... its own scale
    {1066, L"-6.0"}, {1093, L"-6.0"}, {1075, L"-6.0"}, {1071, L"-6.0"},
    {1069, L"+6.0"}, {1070, L"+6.0"}, {1072, L"+6.0"}, {1073, L"+6.0"}, {1074, L"+6.0"},
    // Max volume
    {1079, L"+0.0"}, {1092, L"+0.0"}, {1088, L"+0.0"}, {1084, L"+0.0"},
    {1082, L"+12.0"}, {1083, L"+12.0"}, {1085, L"+12.0"}, {1086, L"+12.0"}, {1087, L"+12.0"},
    {1080, L"+0.0"}, {1081, L"+0.0"},
    // Recording max gain
    {1099, L"+22.5"}, {1100, L"+22.5"}, {1101, L"+22.5"}, {1102, L"+22.5"},
    {1103, L"+22.5"}, {1104, L"+22.5"}, {1105, L"+22.5"}, {1106, L"+22.5"},
    // Texts nothing ever writes
    {1067, L"X"}, {1068, L"X"}, {1076, L"X"}, {1077, L"X"}, {1089, L"X"}, {1090, L"X"},
};

struct SpinStart { int id; int position; int lowest; int step; };
const SpinStart kSpinsAtStart[] = {
    {1039, 0, 31, 1}, {1042, 0, 31, 1}, {1041, 8, 31, 1}, {1043, 8, 31, 1}, {1045, 0, 31, 1}, {1047, 0, 31, 1},
    {1049, 8, 31, 1}, {1051, 0, 31, 1}, {1053, 0, 31, 1}, {1055, 0, 31, 1}, {1057, 0, 31, 2},
    {1046, 0, 15, 1}, {1048, 0, 15, 1}, {1050, 0, 15, 1}, {1052, 0, 15, 1},
    {1054, 0, 15, 1}, {1056, 0, 15, 1}, {1058, 0, 15, 1}, {1062, 0, 15, 1},
};

}  // namespace

class RefreshTest : public DialogTest {
protected:
    // Compares the whole dialog with its freshly opened state; one message per wrong control.
    void ExpectFactoryState(const std::set<int>& greyed, int codecRadio) {
        for (int id : AllControlIds()) {
            if (::GetDlgItem(hwnd, id) == nullptr) continue;
            EXPECT_EQ(Enabled(id), greyed.count(id) == 0) << "control " << id << " enabled state";
            const auto style = ::GetWindowLongW(::GetDlgItem(hwnd, id), GWL_STYLE) & BS_TYPEMASK;
            const bool isCheck = test_support::ClassName(::GetDlgItem(hwnd, id)) == L"Button" &&
                                 (style == BS_AUTOCHECKBOX || style == BS_AUTORADIOBUTTON);
            if (isCheck && id != IDC_CODEC_QM1 && id != IDC_CODEC_QM2 && id != IDC_CODEC_QM3) {
                EXPECT_EQ(Checked(id), kTickedAtStart.count(id) == 1) << "control " << id << " check";
            }
        }
        EXPECT_TRUE(Checked(codecRadio));
        for (const auto& [id, text] : kTextsAtStart) EXPECT_EQ(Text(id), text) << "text " << id;
        for (int id = 1000; id <= 1012; ++id) {
            const bool inert = id == 1001 || id == 1003 || id == 1010 || id == 1011;
            EXPECT_EQ(SliderPos(id), inert ? 128 : 127) << "slider " << id;
            EXPECT_EQ(::SendDlgItemMessageW(hwnd, id, TBM_GETRANGEMIN, 0, 0), 0) << "slider " << id;
            EXPECT_EQ(::SendDlgItemMessageW(hwnd, id, TBM_GETRANGEMAX, 0, 0), 256) << "slider " << id;
            EXPECT_EQ(::SendDlgItemMessageW(hwnd, id, TBM_GETPAGESIZE, 0, 0), 52) << "slider " << id;
            // Ticks every 43 positions: 43, 86, 129, 172, 215, plus both ends.
            EXPECT_EQ(::SendDlgItemMessageW(hwnd, id, TBM_GETNUMTICS, 0, 0), 7) << "slider " << id;
        }
        for (const auto& spin : kSpinsAtStart) {
            EXPECT_EQ(SpinPos(spin.id), spin.position) << "spin " << spin.id;
            int lowest = -1, highest = -1;
            ::SendDlgItemMessageW(hwnd, spin.id, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lowest),
                                  reinterpret_cast<LPARAM>(&highest));
            EXPECT_EQ(lowest, spin.lowest) << "spin " << spin.id;
            EXPECT_EQ(highest, 0) << "spin " << spin.id;
            UDACCEL accel{99, 99};
            EXPECT_EQ(::SendDlgItemMessageW(hwnd, spin.id, UDM_GETACCEL, 1, reinterpret_cast<LPARAM>(&accel)), 1);
            EXPECT_EQ(accel.nSec, 0u) << "spin " << spin.id;
            EXPECT_EQ(accel.nInc, static_cast<UINT>(spin.step)) << "spin " << spin.id;
        }
    }
};

TEST_F(RefreshTest, FreshDialogShowsTheFactoryTable) {
    ASSERT_NE(::GetDlgItem(hwnd, IDC_SLIDER_MASTER), nullptr);
    ExpectFactoryState(kGreyedAtStart, IDC_CODEC_QM3);
}

TEST_F(RefreshTest, DefaultAfterEditsGivesTheFreshStateAgain) {
    // An edit of every kind of control.
    Click(IDC_DISABLE_HEADPHONE);
    for (int i = 0; i < 7; ++i) PressSpin(IDC_MAXSPIN_MIC, false);
    PressSpin(IDC_RECSPIN_CD, false);
    DragSlider(IDC_SLIDER_MASTER, 200);
    Click(IDC_SELECT_MIC);
    Click(IDC_MUTE_MASTER);
    Click(IDC_DISABLE_AUX);
    Click(IDC_CODEC_QM1);
    Click(IDC_CODEC_QM3);

    Click(IDC_DEFAULT);
    EXPECT_TRUE(WorkingEqualsDefaults());
    ExpectFactoryState(kGreyedAtStart, IDC_CODEC_QM3);
}

TEST_F(RefreshTest, DefaultUnderQm2KeepsTheModelAndItsGreyedBoxes) {
    Click(IDC_CODEC_QM2);
    Click(IDC_DEFAULT);
    std::set<int> greyed = kGreyedAtStart;
    greyed.insert({1024, 1036, 1037, 1078, 1065, 1038});
    ExpectFactoryState(greyed, IDC_CODEC_QM2);
    EXPECT_EQ(dialog.Settings().Model(), custom::CodecModel::Model2);
}
