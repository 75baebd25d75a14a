// Long random sessions on the real dialog: whatever the user does with the
// enabled controls, the table stays within what the driver can read.
#include "tests/ui/dialog_fixture.h"

#include <algorithm>
#include <random>

#include "custom/level_scale.h"
#include "dialog/columns.h"
#include "tests/ui/expected_lines.h"

using custom::Entry;
using custom::IndexOf;
using namespace columns;

namespace {

const Entry kNeverChanged[] = {
    Entry::MonooutVolume, Entry::ToneControls, Entry::RecordGain, Entry::RecordGainMic, Entry::ThreeDControl,
    Entry::PowerDown, Entry::DisableMonoOut, Entry::DisableMicIn, Entry::DisableCD, Entry::EnableAutoPowerDown,
    Entry::EnableLoudness, Entry::MasVMin, Entry::HP_VMin, Entry::MicVMin, Entry::PCBVMin, Entry::PhoVMin,
    Entry::LinVMin, Entry::VidVMin, Entry::AuxVMin, Entry::ACDVMin, Entry::MicRMin, Entry::ACDRMin,
    Entry::VidRMin, Entry::AuxRMin, Entry::LinRMin, Entry::OutRMin, Entry::MonRMin, Entry::PhoRMin,
    Entry::PollingPeriod,
};
static_assert(std::size(kNeverChanged) == 29);

}  // namespace

class InvariantTest : public DialogTest, public ::testing::WithParamInterface<unsigned> {
protected:
    void ExpectInvariants(int step) {
        const auto& t = dialog.WorkingEntryTable();
        for (std::size_t i = 0; i <= IndexOf(Entry::PowerDown); ++i)
            ASSERT_LE(t[i].value, 0xFFFFu) << "step " << step << " " << t[i].key;
        for (std::size_t i = IndexOf(Entry::SpdifMute); i <= IndexOf(Entry::EnableLoudness); ++i)
            ASSERT_LE(t[i].value, 1u) << "step " << step << " " << t[i].key;
        for (std::size_t i = IndexOf(Entry::MasVMax); i < IndexOf(Entry::MicRMax); i += 2)
            ASSERT_LE(t[i].value, 31u) << "step " << step << " " << t[i].key;
        for (std::size_t i = IndexOf(Entry::MicRMax); i < IndexOf(Entry::PollingPeriod); i += 2)
            ASSERT_LE(t[i].value, 15u) << "step " << step << " " << t[i].key;
        for (Entry e : kNeverChanged)
            ASSERT_EQ(t[e].value, custom::DefaultEntryTable[e].value) << "step " << step << " " << t[e].key;
        ASSERT_EQ(t[Entry::CDVolume].value & 0x8000, 0u);
        ASSERT_EQ(t[Entry::WaveOutVolume].value & 0x8000, 0u);
        ASSERT_EQ(t[Entry::GeneralPurpose].value & 0x2000, 0u);
        // No level is louder than its line's limit; both channels alike.
        for (const auto& c : kExpectedLines) {
            ASSERT_GE(t[c.level].value & 0x1F, t[c.maxLevel].value) << "step " << step << " " << c.name;
            if (c.stereo) {
                ASSERT_EQ(t[c.level].value & 0x1F, (t[c.level].value >> 8) & 0x1F) << c.name;
            }
            const std::string text = custom::FormatLevelDb(static_cast<std::uint8_t>(t[c.level].value & 0xFF), c.scale);
            ASSERT_EQ(Text(c.defaultText), std::wstring(text.begin(), text.end())) << "step " << step;
        }
        // Each box's check and its entry agree.
        for (const auto& line : kDisablingBoxes)
            ASSERT_EQ(Checked(line.box), t[line.flag].value != 0) << "step " << step << " box " << line.box;
        ASSERT_EQ(Checked(columns::SelectRadioOf(t[Entry::RecordSelect].value & 7)), true) << "step " << step;
    }
};

TEST_P(InvariantTest, RandomSessionKeepsTheTableValid) {
    std::mt19937 random(GetParam());
    std::vector<int> boxes(std::begin(kAllCheckBoxes), std::end(kAllCheckBoxes));
    for (int id = IDC_SELECT_MIC; id <= IDC_SELECT_PHONE; ++id) boxes.push_back(id);
    for (int id = IDC_CODEC_QM1; id <= IDC_CODEC_QM3; ++id) boxes.push_back(id);
    const WORD keys[] = {VK_UP, VK_DOWN, VK_PRIOR, VK_NEXT, VK_HOME, VK_END};

    for (int step = 0; step < 1500; ++step) {
        const auto pick = [&](auto n) { return static_cast<std::size_t>(random() % n); };
        switch (random() % 10) {
            case 0: case 1: case 2: {
                const int spin = kAllSpins[pick(std::size(kAllSpins))];
                if (Enabled(spin)) PressSpin(spin, random() % 2 == 0);
                break;
            }
            case 3: case 4: {
                const int slider = kAllSliders[pick(std::size(kAllSliders))];
                if (Enabled(slider)) SliderKey(slider, keys[pick(std::size(keys))]);
                break;
            }
            case 5: {
                const int slider = kAllSliders[pick(std::size(kAllSliders))];
                if (Enabled(slider)) DragSlider(slider, static_cast<int>(random() % 257));
                break;
            }
            case 6: case 7: case 8: {
                const int box = boxes[pick(boxes.size())];
                if (Enabled(box)) Click(box);
                break;
            }
            default:
                if (random() % 8 == 0) Click(IDC_DEFAULT);
                break;
        }
        ExpectInvariants(step);
        if (HasFatalFailure()) return;
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, InvariantTest, ::testing::Values(1u, 2u, 3u, 20261207u));

// Which boxes only show their value and which belong to the QM-3 family are
// the core's facts (custom::MeaningOf); the dialog's tables, fixed at compile
// time for its message table, must say the same box by box.
TEST(ColumnTables, AgreeWithTheCoreOnWhatTheBoxesChange) {
    std::size_t model3Boxes = 0;
    for (const CheckBox& box : kCheckBoxes) {
        const custom::EntryMeaning& meaning = custom::MeaningOf(box.entry);
        const std::uint32_t shownBit = box.shows == Shows::Switch ? 1u : 1u << box.bit;
        const bool changes = (meaning.changeable & shownBit) != 0;
        EXPECT_EQ(box.onClick != OnClick::OnlyShows, changes) << box.box;
        EXPECT_EQ(Contains(kInertControls, box.box), !changes) << box.box;
        const bool model3 = std::any_of(std::begin(kModel3Controls), std::end(kModel3Controls),
                                        [&](const Model3Control& c) { return c.id == box.box; });
        // "Disable" of the S/PDIF line greys with that line, though its entry
        // is written under every model.
        EXPECT_EQ(model3, meaning.model3Only || box.box == IDC_DISABLE_SPDIF) << box.box;
        model3Boxes += model3;
    }
    EXPECT_EQ(model3Boxes, std::size(kModel3Controls)) << "a QM-3 control that is no check box";
}
