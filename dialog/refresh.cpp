// Loading every control from the working table: as the dialog starts (its
// texts and greying already in the template), after "Default" and after
// opening a file.
#include "custom/level_scale.h"
#include "dialog/corvaset_dlg.h"
#include "win32/text.h"

using namespace columns;

namespace {

// Spins move one step per click from the first moment on; the PC Speaker
// limit moves in whole 3 dB steps, two fields at a time.
void LoadSpin(fw::CSpinButtonCtrl& spin, int step, int lowest, int position) {
    const UDACCEL accel{0, static_cast<UINT>(step)};
    spin.SetAccel(1, &accel);
    spin.SetRange(lowest, 0);  // reversed: the up arrow moves towards 0, the loudest limit
    spin.SetPos(position);
}

std::wstring DbText(std::uint8_t level, LevelScale scale) { return fw::WidenAscii(custom::FormatLevelDb(level, scale)); }

}  // namespace

// The dialog is created with the factory table's texts and greying under
// the start model, and starts with the rest (LoadChecksAndPositions).
void CCorvasetDlg::PrepareTemplate(fw::DialogTemplate& dialogTemplate) {
    custom::CopyDefaults(m_working);
    ShowTextsAndGreying(dialogTemplate, m_codecModel);
}

void CCorvasetDlg::RefreshControls() {
    ShowTextsAndGreying(*this, m_codecModel);
    LoadChecksAndPositions();
}

void CCorvasetDlg::LoadChecksAndPositions() {
    for (const auto& box : kCheckBoxes) {
        const std::uint32_t value = m_working[box.entry].value;
        const bool bitSet = (value >> box.bit) & 1u;
        const bool ticked = box.shows == Shows::Switch ? value != 0 : box.shows == Shows::Bit ? bitSet : !bitSet;
        m_boxes[box.box].SetCheck(ticked ? BST_CHECKED : BST_UNCHECKED);
    }

    for (int id : kAllSliders) {
        auto& slider = m_sliders[id];
        slider.SetRangeMin(custom::kSliderMin);
        slider.SetRangeMax(custom::kSliderMax);
        slider.SetTicFreq(kSliderTicFrequency);
        slider.SetPageSize(kSliderPageSize);
    }
    for (int id : kInertSliders) m_sliders[id].SetPos(kSliderMiddle);
    for (const auto& column : kLevelColumns) PlaceLevelSlider(column);

    for (const auto& column : kLevelColumns) {
        const custom::EntryMeaning& line = LineOf(column);
        LoadSpin(m_spins[column.maxSpin], custom::LimitSpinStep(line.scale), custom::kPlaybackSpinLowest,
                 custom::MaxLevelSpinPosition(custom::LowByte(m_working[line.maxLevel].value), line.scale));
    }
    for (const auto& column : kWaveColumns) {
        LoadSpin(m_spins[column.maxSpin], 1, custom::kPlaybackSpinLowest,
                 custom::WaveSpinPosition(m_working[kWaveLevel].value));
    }
    for (const auto& column : kRecordColumns) {
        LoadSpin(m_spins[column.maxSpin], 1, custom::kRecordSpinLowest,
                 custom::RecordSpinPosition(custom::LowByte(m_working[column.maxGain].value)));
    }
    ShowRecordSource();
}

// The value texts and which controls are greyed, as the table and `model`
// have them.
void CCorvasetDlg::ShowTextsAndGreying(fw::ItemStateTarget& target, custom::CodecModel model) {
    // Each line enabled or greyed as its "Disable Line" box says.
    for (const auto& line : kDisablingBoxes) {
        if (!line.followsCodecModel) ShowLineDisabled(target, line, m_working[line.flag].value != 0, model);
    }
    for (const auto& column : kLevelColumns) ShowDefaultLevelText(target, column);
    for (const auto& column : kWaveColumns) ShowMaxLevelText(target, column);
    for (const auto& column : kLevelColumns) ShowMaxLevelText(target, column);
    for (const auto& column : kRecordColumns) ShowRecordMaxGainText(target, column);

    for (int id : kInertControls) target.SetItemEnabled(id, false);

    const bool model3 = model == custom::CodecModel::Model3;
    for (const auto& control : kModel3Controls)
        if (control.refreshFollowsModel) target.SetItemEnabled(control.id, model3);
}

// `model` is the codec model the radio buttons show.
void CCorvasetDlg::ShowLineDisabled(fw::ItemStateTarget& target, const DisablingBox& line, bool disabled,
                                    custom::CodecModel model) {
    // A control stays greyed while something else greys it too: another
    // ticked box, or a QM-3 feature under another codec model. (The line's
    // own flag already says `disabled`.)
    for (int id : line.controls)
        target.SetItemEnabled(id, !disabled && GreyingOf(id, model).why == custom::Greyed::No);
    if (const int radio = SelectRadioOfLine(line)) target.SetItemEnabled(radio, !disabled);
}

void CCorvasetDlg::ShowDefaultLevelText(fw::ItemStateTarget& target, const LevelColumn& column) {
    target.SetItemText(column.defaultText,
                     DbText(custom::LowByte(m_working[column.level].value), LineOf(column).scale));
}

void CCorvasetDlg::ShowMaxLevelText(fw::ItemStateTarget& target, const LevelColumn& column) {
    const custom::EntryMeaning& line = LineOf(column);
    target.SetItemText(column.maxText, DbText(custom::LowByte(m_working[line.maxLevel].value), line.scale));
}

void CCorvasetDlg::ShowMaxLevelText(fw::ItemStateTarget& target, const WaveColumn& column) {
    target.SetItemText(column.maxText, DbText(custom::LowByte(m_working[kWaveLevel].value), custom::MeaningOf(kWaveLevel).scale));
}

void CCorvasetDlg::PlaceLevelSlider(const LevelColumn& column) {
    const custom::EntryMeaning& line = LineOf(column);
    auto& slider = m_sliders[column.slider];
    slider.SetPos(custom::SliderPositionFromLevel(
        custom::LowByte(m_working[column.level].value), custom::LowByte(m_working[line.maxLevel].value), line.scale));
    // The slider pins a position outside its range: remember where it went.
    m_placed[IndexOf(column)] = {slider.GetPos(), m_working[column.level].value & custom::kStereoLevelFields};
}

void CCorvasetDlg::ShowRecordMaxGainText(fw::ItemStateTarget& target, const RecordColumn& column) {
    target.SetItemText(column.maxText, DbText(custom::LowByte(m_working[column.maxGain].value), LevelScale::RecordGainScale));
}
