// Every control of the settings dialog that shows a setting, or stands
// greyed for one the driver lacks: its ID, its kind of window and what it
// shows in the core's terms. Everything else (its check, position, text,
// greying, tip, which handler answers it) follows from the settings model.
#pragma once

#include <cstddef>
#include <iterator>

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

// In the order the view shows them: the playback columns left to right,
// the feature boxes, the recording columns, the radios.
inline constexpr Control kControls[] = {
    Slider(IDC_SLIDER_MASTER, Entry::MasterVolume), LevelText(IDC_DEFTEXT_MASTER, Entry::MasterVolume),
    LimitText(IDC_MAXTEXT_MASTER, Entry::MasVMax), LimitSpin(IDC_MAXSPIN_MASTER, Entry::MasVMax),
    BitBox(IDC_MUTE_MASTER, Entry::MasterVolume, custom::kMuteBit), Inert(IDC_DISABLE_MASTER, Kind::Box),

    // Wave and SW Synth both show and set the output level itself.
    Inert(IDC_SLIDER_WAVE, Kind::Slider), Inert(IDC_DEFTEXT_WAVE, Kind::Text),
    LimitText(IDC_MAXTEXT_WAVE, Entry::WaveOutVolume), LimitSpin(IDC_MAXSPIN_WAVE, Entry::WaveOutVolume),
    Inert(IDC_MUTE_WAVE, Kind::Box), Inert(IDC_DISABLE_WAVE, Kind::Box),
    Inert(IDC_SLIDER_SWSYNTH, Kind::Slider), Inert(IDC_DEFTEXT_SWSYNTH, Kind::Text),
    LimitText(IDC_MAXTEXT_SWSYNTH, Entry::WaveOutVolume), LimitSpin(IDC_MAXSPIN_SWSYNTH, Entry::WaveOutVolume),
    Inert(IDC_MUTE_SWSYNTH, Kind::Box), Inert(IDC_DISABLE_SWSYNTH, Kind::Box),

    Inert(IDC_SLIDER_SPDIF, Kind::Slider), Inert(IDC_DEFTEXT_SPDIF, Kind::Text), Inert(IDC_MAXTEXT_SPDIF, Kind::Text),
    Inert(IDC_MAXSPIN_SPDIF, Kind::Spin), SwitchBox(IDC_MUTE_SPDIF, Entry::SpdifMute),
    SwitchBox(IDC_DISABLE_SPDIF, Entry::DisableSPDIF),

    Slider(IDC_SLIDER_AUX, Entry::AUXVolume), LevelText(IDC_DEFTEXT_AUX, Entry::AUXVolume),
    LimitText(IDC_MAXTEXT_AUX, Entry::AuxVMax), LimitSpin(IDC_MAXSPIN_AUX, Entry::AuxVMax),
    BitBox(IDC_MUTE_AUX, Entry::AUXVolume, custom::kMuteBit), SwitchBox(IDC_DISABLE_AUX, Entry::DisableAUX),

    Slider(IDC_SLIDER_VIDEO, Entry::VideoVolume), LevelText(IDC_DEFTEXT_VIDEO, Entry::VideoVolume),
    LimitText(IDC_MAXTEXT_VIDEO, Entry::VidVMax), LimitSpin(IDC_MAXSPIN_VIDEO, Entry::VidVMax),
    BitBox(IDC_MUTE_VIDEO, Entry::VideoVolume, custom::kMuteBit), SwitchBox(IDC_DISABLE_VIDEO, Entry::DisableVideo),

    Slider(IDC_SLIDER_CD, Entry::CDVolume), LevelText(IDC_DEFTEXT_CD, Entry::CDVolume),
    LimitText(IDC_MAXTEXT_CD, Entry::ACDVMax), LimitSpin(IDC_MAXSPIN_CD, Entry::ACDVMax),
    BitBox(IDC_MUTE_CD, Entry::CDVolume, custom::kMuteBit), SwitchBox(IDC_DISABLE_CD, Entry::DisableCD),

    Slider(IDC_SLIDER_LINEIN, Entry::LineInVolume), LevelText(IDC_DEFTEXT_LINEIN, Entry::LineInVolume),
    LimitText(IDC_MAXTEXT_LINEIN, Entry::LinVMax), LimitSpin(IDC_MAXSPIN_LINEIN, Entry::LinVMax),
    BitBox(IDC_MUTE_LINEIN, Entry::LineInVolume, custom::kMuteBit), SwitchBox(IDC_DISABLE_LINEIN, Entry::DisableLineIn),

    Slider(IDC_SLIDER_MIC, Entry::MicVolume), LevelText(IDC_DEFTEXT_MIC, Entry::MicVolume),
    LimitText(IDC_MAXTEXT_MIC, Entry::MicVMax), LimitSpin(IDC_MAXSPIN_MIC, Entry::MicVMax),
    BitBox(IDC_MUTE_MIC, Entry::MicVolume, custom::kMuteBit), SwitchBox(IDC_DISABLE_MIC, Entry::DisableMic),

    Slider(IDC_SLIDER_PHONE, Entry::PhoneVolume), LevelText(IDC_DEFTEXT_PHONE, Entry::PhoneVolume),
    LimitText(IDC_MAXTEXT_PHONE, Entry::PhoVMax), LimitSpin(IDC_MAXSPIN_PHONE, Entry::PhoVMax),
    BitBox(IDC_MUTE_PHONE, Entry::PhoneVolume, custom::kMuteBit), SwitchBox(IDC_DISABLE_PHONE, Entry::DisablePhone),

    Slider(IDC_SLIDER_PCSPEAKER, Entry::BeepVolume), LevelText(IDC_DEFTEXT_PCSPEAKER, Entry::BeepVolume),
    LimitText(IDC_MAXTEXT_PCSPEAKER, Entry::PCBVMax), LimitSpin(IDC_MAXSPIN_PCSPEAKER, Entry::PCBVMax),
    BitBox(IDC_MUTE_PCSPEAKER, Entry::BeepVolume, custom::kMuteBit),
    SwitchBox(IDC_DISABLE_PCSPEAKER, Entry::DisablePCBeep),

    // Ticked while the codec's 3D enhancement is off.
    Inert(IDC_SLIDER_3D, Kind::Slider), Inert(IDC_DEFTEXT_3D, Kind::Text), Inert(IDC_MAXTEXT_3D, Kind::Text),
    Inert(IDC_MAXSPIN_3D, Kind::Spin), {IDC_MUTE_3D, Kind::Box, {Shows::ClearBit, Entry::GeneralPurpose, custom::k3DEnableBit}},
    Inert(IDC_DISABLE_3D, Kind::Box),

    Slider(IDC_SLIDER_HEADPHONE, Entry::HeadphoneVolume), LevelText(IDC_DEFTEXT_HEADPHONE, Entry::HeadphoneVolume),
    LimitText(IDC_MAXTEXT_HEADPHONE, Entry::HP_VMax), LimitSpin(IDC_MAXSPIN_HEADPHONE, Entry::HP_VMax),
    BitBox(IDC_MUTE_HEADPHONE, Entry::HeadphoneVolume, custom::kMuteBit),
    SwitchBox(IDC_DISABLE_HEADPHONE, Entry::DisableHeadphone),

    SwitchBox(IDC_SPDIF_SRC, Entry::SpdifSrc), BitBox(IDC_MIC2_SELECT, Entry::GeneralPurpose, custom::kMic2SelectBit),
    BitBox(IDC_MIC_BOOST, Entry::MicVolume, custom::kMicBoostBit), SwitchBox(IDC_JACK_DETECT, Entry::EnableJackDetect),
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
};
inline constexpr std::size_t kControlCount = std::size(kControls);

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
