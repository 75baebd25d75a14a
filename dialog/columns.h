// The settings dialog's columns as data. The refresh, the level routines and
// the handlers read every control ID and entry from these tables, so each is
// written once for all columns of its kind.
#pragma once

#include <cstdint>
#include <iterator>
#include <span>

#include "custom/custom_file.h"
#include "custom/entry_meaning.h"
#include "custom/entry_table.h"
#include "custom/level_scale.h"
#include "res/resource.h"

namespace columns {

using custom::Channels;
using custom::Entry;
using custom::LevelScale;

// A playback line with a live slider, a default-volume text, and a max-level
// limit set with its spin. The line's limit rows, scale and channels are
// the core's facts about `level` (custom::MeaningOf).
struct LevelColumn {
    int slider;
    int defaultText;
    int maxText;
    int maxSpin;
    Entry level;
};

// In the order the refresh loads them.
inline constexpr LevelColumn kLevelColumns[] = {
    {IDC_SLIDER_MASTER, IDC_DEFTEXT_MASTER, IDC_MAXTEXT_MASTER, IDC_MAXSPIN_MASTER, Entry::MasterVolume},
    {IDC_SLIDER_PCSPEAKER, IDC_DEFTEXT_PCSPEAKER, IDC_MAXTEXT_PCSPEAKER, IDC_MAXSPIN_PCSPEAKER, Entry::BeepVolume},
    {IDC_SLIDER_PHONE, IDC_DEFTEXT_PHONE, IDC_MAXTEXT_PHONE, IDC_MAXSPIN_PHONE, Entry::PhoneVolume},
    {IDC_SLIDER_MIC, IDC_DEFTEXT_MIC, IDC_MAXTEXT_MIC, IDC_MAXSPIN_MIC, Entry::MicVolume},
    {IDC_SLIDER_LINEIN, IDC_DEFTEXT_LINEIN, IDC_MAXTEXT_LINEIN, IDC_MAXSPIN_LINEIN, Entry::LineInVolume},
    {IDC_SLIDER_CD, IDC_DEFTEXT_CD, IDC_MAXTEXT_CD, IDC_MAXSPIN_CD, Entry::CDVolume},
    {IDC_SLIDER_VIDEO, IDC_DEFTEXT_VIDEO, IDC_MAXTEXT_VIDEO, IDC_MAXSPIN_VIDEO, Entry::VideoVolume},
    {IDC_SLIDER_AUX, IDC_DEFTEXT_AUX, IDC_MAXTEXT_AUX, IDC_MAXSPIN_AUX, Entry::AUXVolume},
    {IDC_SLIDER_HEADPHONE, IDC_DEFTEXT_HEADPHONE, IDC_MAXTEXT_HEADPHONE, IDC_MAXSPIN_HEADPHONE, Entry::HeadphoneVolume},
};

// The core's facts about a column's line: its limit rows, scale and channels.
inline const custom::EntryMeaning& LineOf(const LevelColumn& column) { return custom::MeaningOf(column.level); }
inline std::size_t IndexOf(const LevelColumn& column) { return static_cast<std::size_t>(&column - kLevelColumns); }

// Wave and SW Synth share the output level itself: each spin sets it and
// each text shows it.
struct WaveColumn {
    int maxText;
    int maxSpin;
};

inline constexpr WaveColumn kWaveColumns[] = {
    {IDC_MAXTEXT_WAVE, IDC_MAXSPIN_WAVE},
    {IDC_MAXTEXT_SWSYNTH, IDC_MAXSPIN_SWSYNTH},
};
inline constexpr Entry kWaveLevel = Entry::WaveOutVolume;

// A recording line: the largest record gain.
struct RecordColumn {
    int maxSpin;
    int maxText;
    Entry maxGain;
};

// In the order the refresh loads them.
inline constexpr RecordColumn kRecordColumns[] = {
    {IDC_RECSPIN_MIC, IDC_RECTEXT_MIC, Entry::MicRMax},
    {IDC_RECSPIN_CD, IDC_RECTEXT_CD, Entry::ACDRMax},
    {IDC_RECSPIN_VIDEO, IDC_RECTEXT_VIDEO, Entry::VidRMax},
    {IDC_RECSPIN_AUX, IDC_RECTEXT_AUX, Entry::AuxRMax},
    {IDC_RECSPIN_LINEIN, IDC_RECTEXT_LINEIN, Entry::LinRMax},
    {IDC_RECSPIN_STEREOMIX, IDC_RECTEXT_STEREOMIX, Entry::OutRMax},
    {IDC_RECSPIN_MONOMIX, IDC_RECTEXT_MONOMIX, Entry::MonRMax},
    {IDC_RECSPIN_PHONE, IDC_RECTEXT_PHONE, Entry::PhoRMax},
};

// Record sources: the AC'97 source number n has the "Select" radio 1107 + n
// and is stored in both channel fields of RecordSelect.
constexpr int SelectRadioOf(unsigned source) { return IDC_SELECT_MIC + static_cast<int>(source); }
constexpr std::uint16_t RecordSelectValueOf(unsigned source) {
    return static_cast<std::uint16_t>(custom::RecordSelectValue(source));
}

// Whether `id` is one of the eight "Select" radios.
constexpr bool IsSelectRadio(int id) { return id >= SelectRadioOf(0) && id <= SelectRadioOf(custom::kRecordSources - 1); }

// Whether `ids` holds `id`.
constexpr bool Contains(std::span<const int> ids, int id) {
    for (int listed : ids)
        if (listed == id) return true;
    return false;
}

// A check box that shows one bit or one switch of an entry.
enum class Shows { Bit, ClearBit, Switch };

// What a click on the box does.
enum class OnClick {
    WritesBack,  // stores the box's new state in its bit or switch
    OnlyShows,   // nothing: the box shows a value the dialog never changes
    Disables,    // greys controls: its handler is that of kDisablingBoxes
};

struct CheckBox {
    int box;
    Entry entry;
    Shows shows;
    unsigned bit;
    OnClick onClick;
};

// Every box whose check follows the table, in the order the refresh sets them.
inline constexpr CheckBox kCheckBoxes[] = {
    {IDC_MUTE_MASTER, Entry::MasterVolume, Shows::Bit, custom::kMuteBit, OnClick::WritesBack},
    {IDC_MUTE_HEADPHONE, Entry::HeadphoneVolume, Shows::Bit, custom::kMuteBit, OnClick::WritesBack},
    {IDC_MUTE_SPDIF, Entry::SpdifMute, Shows::Switch, 0, OnClick::WritesBack},
    {IDC_MUTE_AUX, Entry::AUXVolume, Shows::Bit, custom::kMuteBit, OnClick::WritesBack},
    {IDC_MUTE_VIDEO, Entry::VideoVolume, Shows::Bit, custom::kMuteBit, OnClick::WritesBack},
    {IDC_MUTE_CD, Entry::CDVolume, Shows::Bit, custom::kMuteBit, OnClick::OnlyShows},
    {IDC_MUTE_LINEIN, Entry::LineInVolume, Shows::Bit, custom::kMuteBit, OnClick::WritesBack},
    {IDC_MUTE_MIC, Entry::MicVolume, Shows::Bit, custom::kMuteBit, OnClick::WritesBack},
    {IDC_MUTE_PHONE, Entry::PhoneVolume, Shows::Bit, custom::kMuteBit, OnClick::WritesBack},
    {IDC_MUTE_PCSPEAKER, Entry::BeepVolume, Shows::Bit, custom::kMuteBit, OnClick::WritesBack},
    // Ticked while the codec's 3D enhancement is off.
    {IDC_MUTE_3D, Entry::GeneralPurpose, Shows::ClearBit, custom::k3DEnableBit, OnClick::OnlyShows},
    {IDC_SPDIF_SRC, Entry::SpdifSrc, Shows::Switch, 0, OnClick::WritesBack},
    {IDC_MIC2_SELECT, Entry::GeneralPurpose, Shows::Bit, custom::kMic2SelectBit, OnClick::WritesBack},
    {IDC_MIC_BOOST, Entry::MicVolume, Shows::Bit, custom::kMicBoostBit, OnClick::WritesBack},
    {IDC_JACK_DETECT, Entry::EnableJackDetect, Shows::Switch, 0, OnClick::WritesBack},
    {IDC_ENABLE_33V, Entry::Enable33VSupport, Shows::Switch, 0, OnClick::WritesBack},
    {IDC_ENABLE_48K_SPDIF, Entry::Enable48KSpdif, Shows::Switch, 0, OnClick::WritesBack},
    {IDC_DISABLE_SPDIF, Entry::DisableSPDIF, Shows::Switch, 0, OnClick::Disables},
    {IDC_DISABLE_AUX, Entry::DisableAUX, Shows::Switch, 0, OnClick::Disables},
    {IDC_DISABLE_VIDEO, Entry::DisableVideo, Shows::Switch, 0, OnClick::Disables},
    {IDC_DISABLE_CD, Entry::DisableCD, Shows::Switch, 0, OnClick::OnlyShows},
    {IDC_DISABLE_LINEIN, Entry::DisableLineIn, Shows::Switch, 0, OnClick::Disables},
    {IDC_DISABLE_MIC, Entry::DisableMic, Shows::Switch, 0, OnClick::Disables},
    {IDC_DISABLE_PHONE, Entry::DisablePhone, Shows::Switch, 0, OnClick::Disables},
    {IDC_DISABLE_PCSPEAKER, Entry::DisablePCBeep, Shows::Switch, 0, OnClick::Disables},
    {IDC_DISABLE_HEADPHONE, Entry::DisableHeadphone, Shows::Switch, 0, OnClick::Disables},
    {IDC_DISABLE_MIC2, Entry::DisableMic2, Shows::Switch, 0, OnClick::Disables},
    {IDC_DISABLE_MIC_BOOST, Entry::DisableMicBoost, Shows::Switch, 0, OnClick::Disables},
};

// A box that greys other controls while it is ticked: a "Disable Line" box
// with its line's controls, or "Disable Mic2"/"Disable Mic Boost" with the
// box they switch off.
// The line's "Select" radio, when the switch takes a record source away, is
// found from the core (custom::SourceDisabledBy).
struct DisablingBox {
    int box;
    Entry flag;
    std::span<const int> controls;  // in the order they are switched
    bool followsCodecModel;         // the refresh leaves its controls to the codec model
};

inline constexpr int kSpdifLine[] = {IDC_MUTE_SPDIF, IDC_SPDIF_SRC, IDC_ENABLE_48K_SPDIF};
inline constexpr int kAuxLine[] = {IDC_MAXTEXT_AUX, IDC_MAXSPIN_AUX, IDC_SLIDER_AUX, IDC_DEFTEXT_AUX,
                                   IDC_MUTE_AUX, IDC_RECTEXT_AUX, IDC_RECSPIN_AUX};
inline constexpr int kVideoLine[] = {IDC_MAXTEXT_VIDEO, IDC_MAXSPIN_VIDEO, IDC_SLIDER_VIDEO, IDC_DEFTEXT_VIDEO,
                                     IDC_MUTE_VIDEO, IDC_RECTEXT_VIDEO, IDC_RECSPIN_VIDEO};
inline constexpr int kLineInLine[] = {IDC_MAXTEXT_LINEIN, IDC_MAXSPIN_LINEIN, IDC_SLIDER_LINEIN, IDC_DEFTEXT_LINEIN,
                                      IDC_MUTE_LINEIN, IDC_RECTEXT_LINEIN, IDC_RECSPIN_LINEIN};
inline constexpr int kMicLine[] = {IDC_MAXTEXT_MIC, IDC_MAXSPIN_MIC, IDC_SLIDER_MIC, IDC_DEFTEXT_MIC,
                                   IDC_MUTE_MIC, IDC_RECTEXT_MIC, IDC_RECSPIN_MIC, IDC_MIC2_SELECT,
                                   IDC_MIC_BOOST, IDC_DISABLE_MIC2, IDC_DISABLE_MIC_BOOST};
inline constexpr int kPhoneLine[] = {IDC_MAXTEXT_PHONE, IDC_MAXSPIN_PHONE, IDC_SLIDER_PHONE, IDC_DEFTEXT_PHONE,
                                     IDC_MUTE_PHONE, IDC_RECTEXT_PHONE, IDC_RECSPIN_PHONE};
inline constexpr int kPCSpeakerLine[] = {IDC_MAXTEXT_PCSPEAKER, IDC_MAXSPIN_PCSPEAKER, IDC_SLIDER_PCSPEAKER,
                                         IDC_DEFTEXT_PCSPEAKER, IDC_MUTE_PCSPEAKER};
inline constexpr int kHeadphoneLine[] = {IDC_MAXTEXT_HEADPHONE, IDC_MAXSPIN_HEADPHONE, IDC_SLIDER_HEADPHONE,
                                         IDC_DEFTEXT_HEADPHONE, IDC_MUTE_HEADPHONE};
inline constexpr int kMic2Select[] = {IDC_MIC2_SELECT};
inline constexpr int kMicBoost[] = {IDC_MIC_BOOST};

// Every box that greys other controls, in the order the refresh shows them.
inline constexpr DisablingBox kDisablingBoxes[] = {
    {IDC_DISABLE_SPDIF, Entry::DisableSPDIF, kSpdifLine, true},
    {IDC_DISABLE_PCSPEAKER, Entry::DisablePCBeep, kPCSpeakerLine, false},
    {IDC_DISABLE_AUX, Entry::DisableAUX, kAuxLine, false},
    {IDC_DISABLE_VIDEO, Entry::DisableVideo, kVideoLine, false},
    {IDC_DISABLE_LINEIN, Entry::DisableLineIn, kLineInLine, false},
    {IDC_DISABLE_MIC, Entry::DisableMic, kMicLine, false},
    {IDC_DISABLE_PHONE, Entry::DisablePhone, kPhoneLine, false},
    {IDC_DISABLE_HEADPHONE, Entry::DisableHeadphone, kHeadphoneLine, false},
    {IDC_DISABLE_MIC2, Entry::DisableMic2, kMic2Select, false},
    {IDC_DISABLE_MIC_BOOST, Entry::DisableMicBoost, kMicBoost, false},
};

// The line's "Select" radio, or 0 for a line that is no record source.
inline int SelectRadioOfLine(const DisablingBox& line) {
    const auto source = custom::SourceDisabledBy(line.flag);
    return source ? SelectRadioOf(*source) : 0;
}

// Controls with no behaviour: greyed for the whole life of the dialog.
inline constexpr int kInertControls[] = {
    IDC_DISABLE_MASTER,
    IDC_MUTE_WAVE, IDC_DISABLE_WAVE, IDC_DEFTEXT_WAVE, IDC_SLIDER_WAVE,
    IDC_MUTE_SWSYNTH, IDC_DISABLE_SWSYNTH, IDC_DEFTEXT_SWSYNTH, IDC_SLIDER_SWSYNTH,
    IDC_MUTE_CD, IDC_DISABLE_CD,
    IDC_DEFTEXT_SPDIF, IDC_MAXTEXT_SPDIF, IDC_MAXSPIN_SPDIF, IDC_SLIDER_SPDIF,
    IDC_MUTE_3D, IDC_DISABLE_3D, IDC_DEFTEXT_3D, IDC_SLIDER_3D, IDC_MAXTEXT_3D, IDC_MAXSPIN_3D,
};

// Sliders without behaviour, parked in the middle of their range.
inline constexpr int kInertSliders[] = {IDC_SLIDER_SPDIF, IDC_SLIDER_WAVE, IDC_SLIDER_SWSYNTH, IDC_SLIDER_3D};
inline constexpr int kSliderMiddle = 128;

// Every slider, in column order.
inline constexpr int kAllSliders[] = {IDC_SLIDER_MASTER, IDC_SLIDER_WAVE, IDC_SLIDER_SWSYNTH, IDC_SLIDER_SPDIF,
                                      IDC_SLIDER_AUX, IDC_SLIDER_VIDEO, IDC_SLIDER_CD, IDC_SLIDER_LINEIN,
                                      IDC_SLIDER_MIC, IDC_SLIDER_PHONE, IDC_SLIDER_PCSPEAKER, IDC_SLIDER_3D,
                                      IDC_SLIDER_HEADPHONE};
inline constexpr int kAllSpins[] = {
    IDC_MAXSPIN_MASTER, IDC_MAXSPIN_WAVE, IDC_MAXSPIN_SWSYNTH, IDC_MAXSPIN_SPDIF, IDC_MAXSPIN_AUX,
    IDC_MAXSPIN_VIDEO, IDC_MAXSPIN_CD, IDC_MAXSPIN_LINEIN, IDC_MAXSPIN_MIC, IDC_MAXSPIN_PHONE,
    IDC_MAXSPIN_PCSPEAKER, IDC_MAXSPIN_3D, IDC_MAXSPIN_HEADPHONE,
    IDC_RECSPIN_MONOMIX, IDC_RECSPIN_STEREOMIX, IDC_RECSPIN_AUX, IDC_RECSPIN_VIDEO, IDC_RECSPIN_CD,
    IDC_RECSPIN_LINEIN, IDC_RECSPIN_MIC, IDC_RECSPIN_PHONE};
inline constexpr int kAllValueTexts[] = {
    IDC_MAXTEXT_MASTER, IDC_MAXTEXT_WAVE, IDC_MAXTEXT_SWSYNTH, IDC_MAXTEXT_SPDIF, IDC_MAXTEXT_AUX,
    IDC_MAXTEXT_VIDEO, IDC_MAXTEXT_CD, IDC_MAXTEXT_LINEIN, IDC_MAXTEXT_MIC, IDC_MAXTEXT_PHONE,
    IDC_MAXTEXT_PCSPEAKER, IDC_MAXTEXT_3D, IDC_MAXTEXT_HEADPHONE,
    IDC_DEFTEXT_MASTER, IDC_DEFTEXT_WAVE, IDC_DEFTEXT_SWSYNTH, IDC_DEFTEXT_SPDIF, IDC_DEFTEXT_AUX,
    IDC_DEFTEXT_VIDEO, IDC_DEFTEXT_CD, IDC_DEFTEXT_LINEIN, IDC_DEFTEXT_MIC, IDC_DEFTEXT_PHONE,
    IDC_DEFTEXT_PCSPEAKER, IDC_DEFTEXT_3D, IDC_DEFTEXT_HEADPHONE,
    IDC_RECTEXT_MONOMIX, IDC_RECTEXT_STEREOMIX, IDC_RECTEXT_AUX, IDC_RECTEXT_VIDEO, IDC_RECTEXT_CD,
    IDC_RECTEXT_LINEIN, IDC_RECTEXT_MIC, IDC_RECTEXT_PHONE};
inline constexpr int kAllCheckBoxes[] = {
    IDC_DISABLE_MASTER, IDC_DISABLE_WAVE, IDC_DISABLE_SWSYNTH, IDC_DISABLE_SPDIF, IDC_DISABLE_AUX,
    IDC_DISABLE_VIDEO, IDC_DISABLE_CD, IDC_DISABLE_LINEIN, IDC_DISABLE_MIC, IDC_DISABLE_PHONE,
    IDC_DISABLE_PCSPEAKER, IDC_DISABLE_3D, IDC_DISABLE_HEADPHONE,
    IDC_MUTE_MASTER, IDC_MUTE_WAVE, IDC_MUTE_SWSYNTH, IDC_MUTE_SPDIF, IDC_MUTE_AUX, IDC_MUTE_VIDEO,
    IDC_MUTE_CD, IDC_MUTE_LINEIN, IDC_MUTE_MIC, IDC_MUTE_PHONE, IDC_MUTE_PCSPEAKER, IDC_MUTE_3D,
    IDC_MUTE_HEADPHONE,
    IDC_SPDIF_SRC, IDC_MIC2_SELECT, IDC_MIC_BOOST, IDC_DISABLE_MIC2, IDC_DISABLE_MIC_BOOST, IDC_JACK_DETECT,
    IDC_ENABLE_33V, IDC_ENABLE_48K_SPDIF};
static_assert(std::size(kAllSpins) == 21 && std::size(kAllValueTexts) == 34 && std::size(kAllCheckBoxes) == 34);

inline constexpr int kSliderTicFrequency = 43;
inline constexpr int kSliderPageSize = 52;

// The Codec radios, in the order of custom::CodecModel.
inline constexpr int kCodecRadios[] = {IDC_CODEC_QM1, IDC_CODEC_QM2, IDC_CODEC_QM3};
inline int CodecRadioOf(custom::CodecModel model) { return kCodecRadios[static_cast<int>(model)]; }
// The model a Codec radio stands for; None for any other control.
inline custom::CodecModel ModelOfCodecRadio(int id) {
    for (std::size_t i = 0; i < std::size(kCodecRadios); ++i)
        if (kCodecRadios[i] == id) return static_cast<custom::CodecModel>(i);
    return custom::CodecModel::None;
}

// The boxes of the features only the QM-3 family has. Choosing a model
// greys or frees them all; the refresh sets the S/PDIF ones from the model
// and leaves 3.3 V and jack detection as they are.
struct Model3Control {
    int id;
    bool refreshFollowsModel;
};

inline constexpr Model3Control kModel3Controls[] = {
    {IDC_DISABLE_SPDIF, true}, {IDC_MUTE_SPDIF, true}, {IDC_SPDIF_SRC, true}, {IDC_ENABLE_48K_SPDIF, true},
    {IDC_ENABLE_33V, false},   {IDC_JACK_DETECT, false},
};

}  // namespace columns
