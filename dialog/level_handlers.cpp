// The "Volume" sliders and the "Max Volume (dB)" spins.
#include <algorithm>
#include <optional>

#include "custom/level_scale.h"
#include "custom/value_rules.h"
#include "dialog/corvaset_dlg.h"

using namespace columns;

namespace {

// The position a spin press asks for: the up-down's own position moved by
// the press, or nothing when that leaves 0..lowest. The position the
// notification reports is not used, so that a notification from another
// program can only do what a press could. Summed wide: it may carry any delta.
std::optional<int> RequestedPosition(int delta, const fw::CSpinButtonCtrl& spin, int lowest) {
    const long long position = static_cast<long long>(spin.GetPos()) + delta;
    if (position < 0 || position > lowest) return std::nullopt;
    return static_cast<int>(position);
}

}  // namespace

// Every slider move, whatever its kind (line, page, thumb drag, end of drag).
void CCorvasetDlg::OnSliderMove(HWND from, WORD code) {
    if (!::IsChild(m_hWnd, from)) return;
    // Another program can change a trackbar's range: only the dialog's own
    // range 0..256 has a level.
    int position = std::clamp(static_cast<int>(::SendMessageW(from, TBM_GETPOS, 0, 0)), custom::kSliderMin,
                              custom::kSliderMax);

    for (const auto& column : kLevelColumns) {
        auto& slider = m_sliders[column.slider];
        if (slider.GetSafeHwnd() != from) continue;
        auto& entry = m_working[column.level];
        const custom::EntryMeaning& line = LineOf(column);
        const std::uint8_t maxLevel = custom::LowByte(m_working[line.maxLevel].value);
        const std::uint8_t minLevel = custom::LowByte(m_working[line.minLevel].value);
        // An arrow key (a line) moves on to the next level the slider shows:
        // a line of the slider is far less than a step of the level.
        if (code == TB_LINEUP || code == TB_LINEDOWN) {
            position = custom::NextLevelStepPosition(position, custom::LowByte(entry.value), code == TB_LINEDOWN,
                                                     maxLevel, minLevel, line.scale);
            slider.SetPos(position);
        }
        // Placing a thumb and reading it back are not exact inverses at the
        // bottom of a scale: the thumb where the program put it, for the
        // level it was put there for, keeps that level.
        PlacedThumb& placed = m_placed[IndexOf(column)];
        if (position == placed.position && (entry.value & custom::kStereoLevelFields) == placed.levelField) return;
        placed.position = -1;  // moved by the user: from now on every position converts
        const std::uint8_t level = custom::LevelFromSliderPosition(position, maxLevel, minLevel, line.scale);
        if (custom::SliderKeepsBit0(line.scale))
            custom::StoreLevelKeepingBit0(entry, level);
        else
            custom::StoreLevelField(entry, level, line.channels);
        ShowDefaultLevelText(*this, column);
        return;  // the thumb stays where the user left it
    }
}

void CCorvasetDlg::OnMaxLevelSpin(int delta, int index) {
    const auto& column = kLevelColumns[index];
    auto& spin = m_spins[column.maxSpin];
    const auto requested = RequestedPosition(delta, spin, custom::kPlaybackSpinLowest);
    if (!requested) return;

    const custom::EntryMeaning& line = LineOf(column);
    const std::uint8_t maxLevel = custom::MaxLevelFromSpinPosition(*requested);
    custom::StoreMaxLevel(m_working, custom::IndexOf(line.maxLevel), maxLevel);
    spin.SetPos(*requested);
    ShowMaxLevelText(*this, column);
    PlaceLevelSlider(column);
    ShowDefaultLevelText(*this, column);
}

// Wave and SW Synth edit the output level itself and keep each other in step.
void CCorvasetDlg::OnWaveLevelSpin(int delta, int index) {
    const auto requested = RequestedPosition(delta, m_spins[kWaveColumns[index].maxSpin], custom::kPlaybackSpinLowest);
    if (!requested) return;

    custom::StoreLevelField(m_working[kWaveLevel], static_cast<unsigned>(*requested), Channels::Stereo);
    for (const auto& column : kWaveColumns) {
        m_spins[column.maxSpin].SetPos(*requested);
        ShowMaxLevelText(*this, column);
    }
}

void CCorvasetDlg::OnRecordMaxGainSpin(int delta, int index) {
    const auto& column = kRecordColumns[index];
    auto& spin = m_spins[column.maxSpin];
    const auto requested = RequestedPosition(delta, spin, custom::kRecordSpinLowest);
    if (!requested) return;

    custom::StoreByte(m_working[column.maxGain], custom::MaxGainFromSpinPosition(*requested));
    spin.SetPos(*requested);
    ShowRecordMaxGainText(*this, column);
}
