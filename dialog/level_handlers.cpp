// The "Volume" sliders and the "Max Volume (dB)" spins.
#include <cstdio>
#include <optional>

#include "custom/level_scale.h"
#include "dialog/corvaset_dlg.h"

using namespace columns;

namespace {

constexpr int kRefuse = 1;
constexpr int kAllow = 0;

// The position a spin press asks for, or nothing when it leaves 0..lowest.
// Summed wide: a notification from another program may carry any values.
std::optional<int> RequestedPosition(const fw::Message& m, int lowest) {
    const auto* press = fw::NotifyRecord<NMUPDOWN>(m);
    if (press == nullptr) return std::nullopt;
    const long long position = static_cast<long long>(press->iPos) + press->iDelta;
    if (position < 0 || position > lowest) return std::nullopt;
    return static_cast<int>(position);
}

}  // namespace

// Every slider move, whatever its kind (line, page, thumb drag, end of drag).
void CCorvasetDlg::OnVScroll(fw::Message& m, int) {
    m.handled = false;  // the default handling runs as well
    const auto from = reinterpret_cast<HWND>(m.lParam);
    if (from == nullptr || !::IsChild(m_hWnd, from)) return;
    const int position = static_cast<int>(::SendMessageW(from, TBM_GETPOS, 0, 0));
    char trace[16];
    std::snprintf(trace, sizeof(trace), "%d\n", custom::kSliderMax - position);
    ::OutputDebugStringA(trace);

    for (const auto& column : kLevelColumns) {
        if (m_sliders[column.slider].GetSafeHwnd() != from) continue;
        const std::uint8_t level = custom::LevelFromSliderPosition(
            position, custom::LowByte(m_working[column.maxLevel].value), custom::LowByte(m_working[column.minLevel].value),
            column.scale);
        auto& entry = m_working[column.level];
        if (column.sliderKeepsBit0)
            custom::StoreLevelKeepingBit0(entry, level);
        else
            custom::StoreLevelField(entry, level, column.channels);
        ShowDefaultLevelText(column);
        return;  // the thumb stays where the user left it
    }
}

void CCorvasetDlg::OnMaxLevelSpin(fw::Message& m, int index) {
    const auto& column = kLevelColumns[index];
    const auto requested = RequestedPosition(m, custom::kPlaybackSpinLowest);
    m.result = kRefuse;
    if (!requested) return;

    const std::uint8_t maxLevel = custom::MaxLevelFromSpinPosition(*requested);
    custom::StoreByte(m_working[column.maxLevel], maxLevel);
    ShowMaxLevelText(column);
    // A default level louder than the new limit is pulled down to it.
    auto& level = m_working[column.level];
    if (maxLevel > (level.value & 0x1F)) custom::StoreLevelField(level, maxLevel, column.channels);
    PlaceLevelSlider(column);
    ShowDefaultLevelText(column);
    m.result = kAllow;
}

// Wave and SW Synth edit the output level itself and keep each other in step.
void CCorvasetDlg::OnWaveLevelSpin(fw::Message& m, int index) {
    const auto requested = RequestedPosition(m, custom::kPlaybackSpinLowest);
    m.result = kRefuse;
    if (!requested) return;

    custom::StoreLevelField(m_working[kWaveLevel], static_cast<unsigned>(*requested), Channels::Stereo);
    for (const auto& column : kWaveColumns) ShowMaxLevelText(column);
    const auto& other = kWaveColumns[1 - index];
    m_spins[other.maxSpin].SetPos(*requested);
    m.result = kAllow;
}

void CCorvasetDlg::OnRecordMaxGainSpin(fw::Message& m, int index) {
    const auto& column = kRecordColumns[index];
    const auto requested = RequestedPosition(m, custom::kRecordSpinLowest);
    m.result = kRefuse;
    if (!requested) return;

    custom::StoreByte(m_working[column.maxGain], custom::MaxGainFromSpinPosition(*requested));
    ShowRecordMaxGainText(column);
    m.result = kAllow;
}
