// Every control of the settings dialog that shows a setting, or stands
// greyed for one the driver lacks: its ID, its kind of window and what it
// shows in the core's terms. Everything else (its check, position, text,
// greying, tip, which handler answers it) follows from the settings model.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

#include "custom/settings.h"
#include "res/resource.h"

namespace controls {

using custom::ControlMeaning;
using custom::Entry;
using custom::Shows;

// The window a control is, which says how its state is shown.
enum class Kind : unsigned char { Box, Radio, Slider, Spin, Text };

struct Control {
    int id;
    Kind kind;
    ControlMeaning shows;
};

constexpr Control Slider(int id, Entry level) { return {id, Kind::Slider, {Shows::Level, level}}; }
constexpr Control LevelText(int id, Entry level) { return {id, Kind::Text, {Shows::Level, level}}; }
constexpr Control LimitText(int id, Entry limit) { return {id, Kind::Text, {Shows::Limit, limit}}; }
constexpr Control LimitSpin(int id, Entry limit) { return {id, Kind::Spin, {Shows::Limit, limit}}; }
constexpr Control BitBox(int id, Entry e, unsigned bit) { return {id, Kind::Box, {Shows::Bit, e, bit}}; }
constexpr Control SwitchBox(int id, Entry e) { return {id, Kind::Box, {Shows::Switch, e}}; }
// A control of a setting the driver does not have for its line.
constexpr Control Inert(int id, Kind kind) { return {id, kind, {}}; }

// A playback column's controls, top to bottom: "Max Volume (dB)" with its
// spin, the "Volume" slider, "Default Volume (dB)" and "Mute".
struct Column {
    int maxText, maxSpin, slider, defaultText, mute;
};
using ColumnControls = std::array<Control, 6>;

// A line with a level: its limit, its level, its mute bit, and its "Disable" box.
constexpr ColumnControls LevelColumn(Column c, Entry level, Entry limit, Control disable) {
    return {LimitText(c.maxText, limit), LimitSpin(c.maxSpin, limit), Slider(c.slider, level),
            LevelText(c.defaultText, level), BitBox(c.mute, level, custom::kMuteBit), disable};
}
// Wave and SW Synth both show and set the output level itself; nothing else.
constexpr ColumnControls WaveColumn(Column c, int disable) {
    return {LimitText(c.maxText, Entry::WaveOutVolume), LimitSpin(c.maxSpin, Entry::WaveOutVolume),
            Inert(c.slider, Kind::Slider), Inert(c.defaultText, Kind::Text), Inert(c.mute, Kind::Box),
            Inert(disable, Kind::Box)};
}
// A line without a level or limit: only its boxes may show something.
constexpr ColumnControls BoxesOnlyColumn(Column c, Control mute, Control disable) {
    return {Inert(c.maxText, Kind::Text), Inert(c.maxSpin, Kind::Spin), Inert(c.slider, Kind::Slider),
            Inert(c.defaultText, Kind::Text), mute, disable};
}

template <std::size_t... N>
constexpr auto Joined(const std::array<Control, N>&... parts) {
    std::array<Control, (N + ...)> all{};
    std::size_t at = 0;
    ((std::copy(parts.begin(), parts.end(), all.begin() + static_cast<std::ptrdiff_t>(at)), at += N), ...);
    return all;
}

// In the order the view shows them: the playback columns left to right,
// the feature boxes, the recording columns, the radios.
inline constexpr auto kControls = Joined(
    LevelColumn({IDC_MAXTEXT_MASTER, IDC_MAXSPIN_MASTER, IDC_SLIDER_MASTER, IDC_DEFTEXT_MASTER, IDC_MUTE_MASTER},
                Entry::MasterVolume, Entry::MasVMax, Inert(IDC_DISABLE_MASTER, Kind::Box)),
    WaveColumn({IDC_MAXTEXT_WAVE, IDC_MAXSPIN_WAVE, IDC_SLIDER_WAVE, IDC_DEFTEXT_WAVE, IDC_MUTE_WAVE},
               IDC_DISABLE_WAVE),
    WaveColumn({IDC_MAXTEXT_SWSYNTH, IDC_MAXSPIN_SWSYNTH, IDC_SLIDER_SWSYNTH, IDC_DEFTEXT_SWSYNTH, IDC_MUTE_SWSYNTH},
               IDC_DISABLE_SWSYNTH),
    BoxesOnlyColumn({IDC_MAXTEXT_SPDIF, IDC_MAXSPIN_SPDIF, IDC_SLIDER_SPDIF, IDC_DEFTEXT_SPDIF, 0},
                    SwitchBox(IDC_MUTE_SPDIF, Entry::SpdifMute), SwitchBox(IDC_DISABLE_SPDIF, Entry::DisableSPDIF)),
    LevelColumn({IDC_MAXTEXT_AUX, IDC_MAXSPIN_AUX, IDC_SLIDER_AUX, IDC_DEFTEXT_AUX, IDC_MUTE_AUX}, Entry::AUXVolume,
                Entry::AuxVMax, SwitchBox(IDC_DISABLE_AUX, Entry::DisableAUX)),
    LevelColumn({IDC_MAXTEXT_VIDEO, IDC_MAXSPIN_VIDEO, IDC_SLIDER_VIDEO, IDC_DEFTEXT_VIDEO, IDC_MUTE_VIDEO},
                Entry::VideoVolume, Entry::VidVMax, SwitchBox(IDC_DISABLE_VIDEO, Entry::DisableVideo)),
    // The CD line's mute bit and "Disable" switch are shown, never changed.
    LevelColumn({IDC_MAXTEXT_CD, IDC_MAXSPIN_CD, IDC_SLIDER_CD, IDC_DEFTEXT_CD, IDC_MUTE_CD}, Entry::CDVolume,
                Entry::ACDVMax, SwitchBox(IDC_DISABLE_CD, Entry::DisableCD)),
    LevelColumn({IDC_MAXTEXT_LINEIN, IDC_MAXSPIN_LINEIN, IDC_SLIDER_LINEIN, IDC_DEFTEXT_LINEIN, IDC_MUTE_LINEIN},
                Entry::LineInVolume, Entry::LinVMax, SwitchBox(IDC_DISABLE_LINEIN, Entry::DisableLineIn)),
    LevelColumn({IDC_MAXTEXT_MIC, IDC_MAXSPIN_MIC, IDC_SLIDER_MIC, IDC_DEFTEXT_MIC, IDC_MUTE_MIC}, Entry::MicVolume,
                Entry::MicVMax, SwitchBox(IDC_DISABLE_MIC, Entry::DisableMic)),
    LevelColumn({IDC_MAXTEXT_PHONE, IDC_MAXSPIN_PHONE, IDC_SLIDER_PHONE, IDC_DEFTEXT_PHONE, IDC_MUTE_PHONE},
                Entry::PhoneVolume, Entry::PhoVMax, SwitchBox(IDC_DISABLE_PHONE, Entry::DisablePhone)),
    LevelColumn({IDC_MAXTEXT_PCSPEAKER, IDC_MAXSPIN_PCSPEAKER, IDC_SLIDER_PCSPEAKER, IDC_DEFTEXT_PCSPEAKER,
                 IDC_MUTE_PCSPEAKER},
                Entry::BeepVolume, Entry::PCBVMax, SwitchBox(IDC_DISABLE_PCSPEAKER, Entry::DisablePCBeep)),
    // "Mute" of 3D Depth is ticked while the codec's 3D enhancement is off.
    BoxesOnlyColumn({IDC_MAXTEXT_3D, IDC_MAXSPIN_3D, IDC_SLIDER_3D, IDC_DEFTEXT_3D, 0},
                    {IDC_MUTE_3D, Kind::Box, {Shows::ClearBit, Entry::GeneralPurpose, custom::k3DEnableBit}},
                    Inert(IDC_DISABLE_3D, Kind::Box)),
    LevelColumn({IDC_MAXTEXT_HEADPHONE, IDC_MAXSPIN_HEADPHONE, IDC_SLIDER_HEADPHONE, IDC_DEFTEXT_HEADPHONE,
                 IDC_MUTE_HEADPHONE},
                Entry::HeadphoneVolume, Entry::HP_VMax, SwitchBox(IDC_DISABLE_HEADPHONE, Entry::DisableHeadphone)),
    // The feature boxes, the recording columns, the radios.
    std::array<Control, 35>{
        SwitchBox(IDC_SPDIF_SRC, Entry::SpdifSrc),
        BitBox(IDC_MIC2_SELECT, Entry::GeneralPurpose, custom::kMic2SelectBit),
        BitBox(IDC_MIC_BOOST, Entry::MicVolume, custom::kMicBoostBit),
        SwitchBox(IDC_JACK_DETECT, Entry::EnableJackDetect),
        SwitchBox(IDC_ENABLE_33V, Entry::Enable33VSupport), SwitchBox(IDC_ENABLE_48K_SPDIF, Entry::Enable48KSpdif),
        SwitchBox(IDC_DISABLE_MIC2, Entry::DisableMic2), SwitchBox(IDC_DISABLE_MIC_BOOST, Entry::DisableMicBoost),

        LimitSpin(IDC_RECSPIN_MIC, Entry::MicRMax), LimitText(IDC_RECTEXT_MIC, Entry::MicRMax),
        LimitSpin(IDC_RECSPIN_CD, Entry::ACDRMax), LimitText(IDC_RECTEXT_CD, Entry::ACDRMax),
        LimitSpin(IDC_RECSPIN_VIDEO, Entry::VidRMax), LimitText(IDC_RECTEXT_VIDEO, Entry::VidRMax),
        LimitSpin(IDC_RECSPIN_AUX, Entry::AuxRMax), LimitText(IDC_RECTEXT_AUX, Entry::AuxRMax),
        LimitSpin(IDC_RECSPIN_LINEIN, Entry::LinRMax), LimitText(IDC_RECTEXT_LINEIN, Entry::LinRMax),
        LimitSpin(IDC_RECSPIN_STEREOMIX, Entry::OutRMax), LimitText(IDC_RECTEXT_STEREOMIX, Entry::OutRMax),
        LimitSpin(IDC_RECSPIN_MONOMIX, Entry::MonRMax), LimitText(IDC_RECTEXT_MONOMIX, Entry::MonRMax),
        LimitSpin(IDC_RECSPIN_PHONE, Entry::PhoRMax), LimitText(IDC_RECTEXT_PHONE, Entry::PhoRMax),

        // Record source n has the "Select" radio IDC_SELECT_MIC + n; the Codec
        // radios stand for the models in their order.
        {IDC_SELECT_MIC, Kind::Radio, {Shows::Source, Entry::RecordSelect, 0}},
        {IDC_SELECT_CD, Kind::Radio, {Shows::Source, Entry::RecordSelect, 1}},
        {IDC_SELECT_VIDEO, Kind::Radio, {Shows::Source, Entry::RecordSelect, 2}},
        {IDC_SELECT_AUX, Kind::Radio, {Shows::Source, Entry::RecordSelect, 3}},
        {IDC_SELECT_LINEIN, Kind::Radio, {Shows::Source, Entry::RecordSelect, 4}},
        {IDC_SELECT_STEREOMIX, Kind::Radio, {Shows::Source, Entry::RecordSelect, 5}},
        {IDC_SELECT_MONOMIX, Kind::Radio, {Shows::Source, Entry::RecordSelect, 6}},
        {IDC_SELECT_PHONE, Kind::Radio, {Shows::Source, Entry::RecordSelect, 7}},
        {IDC_CODEC_QM1, Kind::Radio, {Shows::Codec, Entry::Count, static_cast<unsigned>(custom::CodecModel::Model1)}},
        {IDC_CODEC_QM2, Kind::Radio, {Shows::Codec, Entry::Count, static_cast<unsigned>(custom::CodecModel::Model2)}},
        {IDC_CODEC_QM3, Kind::Radio, {Shows::Codec, Entry::Count, static_cast<unsigned>(custom::CodecModel::Model3)}},
    });
inline constexpr std::size_t kControlCount = kControls.size();

// The row of control `id` in kControls, or kControlCount for a control
// that shows no setting (a label, a push button).
constexpr std::size_t IndexOfId(int id) {
    for (std::size_t i = 0; i < kControlCount; ++i)
        if (kControls[i].id == id) return i;
    return kControlCount;
}

// Sliders without a setting stand in the middle of their range.
inline constexpr int kSliderMiddle = 128;
inline constexpr int kSliderTicFrequency = 43;
inline constexpr int kSliderPageSize = 52;

}  // namespace controls
