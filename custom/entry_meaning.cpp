#include "custom/entry_meaning.h"

#include <array>
#include <cctype>
#include <iterator>
#include <string>

namespace custom {
namespace {

using E = Entry;
using S = LevelScale;

constexpr std::uint32_t kMute = 1u << kMuteBit;

constexpr E kNone = E::Count;

constexpr EntryMeaning Level(E self, S scale, Channels channels, std::uint32_t changeable, E max, E min,
                             E lineSwitch) {
    return {EntryKind::Level, changeable, scale, channels, self, max, min, kNoSource, false, false, lineSwitch};
}
constexpr EntryMeaning Plain(EntryKind kind, std::uint32_t changeable, E self, E lineSwitch = kNone) {
    return {kind, changeable, S::Gain, Channels::Mono, self, self, self, kNoSource, false, false, lineSwitch};
}
constexpr EntryMeaning Switch(E self, bool changed, E lineSwitch = kNone) {
    return Plain(EntryKind::Switch, changed ? 1 : 0, self, lineSwitch);
}
// A QM-3 feature's switch, which the file carries only for that family.
constexpr EntryMeaning Model3Switch(E self, E lineSwitch = kNone) {
    EntryMeaning m = Switch(self, true, lineSwitch);
    m.model3Only = true;
    m.model3Feature = true;
    return m;
}
// The S/PDIF line's "Disable" switch: offered under QM-3 only, written under every model.
constexpr EntryMeaning SpdifLineSwitch(E self) {
    EntryMeaning m = Switch(self, true);
    m.model3Feature = true;
    return m;
}
// The "Disable Line" switch of a line that can be recorded: ticking it moves
// the record source off that line.
constexpr EntryMeaning LineSwitch(E self, unsigned source) {
    EntryMeaning m = Switch(self, true);
    m.source = source;
    return m;
}
constexpr EntryMeaning Carried(E self) { return Plain(EntryKind::Register, 0, self); }
// A max-level row takes any level code, except that the PC Speaker one moves
// in whole 3 dB steps and so stays even; min-level rows are never changed.
constexpr EntryMeaning MaxLevel(E level, S scale) {
    return {EntryKind::MaxLevel, scale == S::Beep ? kBeepLevelMask : kLevelMask, scale, Channels::Mono, level, level, level,
            kNoSource, false, false, kNone};
}
constexpr EntryMeaning MinLevel(E level, S scale) {
    return {EntryKind::MinLevel, 0, scale, Channels::Mono, level, level, level, kNoSource, false, false, kNone};
}
constexpr EntryMeaning MaxGain(unsigned source, E self) {
    return {EntryKind::MaxGain, 0x0F, S::RecordGainScale, Channels::Mono, self, self, self, source, false, false, kNone};
}
constexpr EntryMeaning MinGain(unsigned source, E self) {
    return {EntryKind::MinGain, 0, S::RecordGainScale, Channels::Mono, self, self, self, source, false, false, kNone};
}

// In table order. The CD mute bit and the Wave mute bit are shown at most,
// never changed; the Mic row also carries the boost bit.
constexpr std::array<EntryMeaning, kEntryCount> kMeanings = {{
    Level(E::MasterVolume, S::Attenuation, Channels::Stereo, kStereoLevelFields | kMute, E::MasVMax, E::MasVMin, kNone),
    Level(E::HeadphoneVolume, S::Attenuation, Channels::Stereo, kStereoLevelFields | kMute, E::HP_VMax, E::HP_VMin,
          E::DisableHeadphone),
    Level(E::BeepVolume, S::Beep, Channels::Mono, kLevelMask | kMute, E::PCBVMax, E::PCBVMin, E::DisablePCBeep),
    Level(E::PhoneVolume, S::Gain, Channels::Mono, kLevelMask | kMute, E::PhoVMax, E::PhoVMin, E::DisablePhone),
    Level(E::MicVolume, S::Gain, Channels::Mono, kLevelMask | kMute | (1u << kMicBoostBit), E::MicVMax, E::MicVMin,
          E::DisableMic),
    Level(E::LineInVolume, S::Gain, Channels::Stereo, kStereoLevelFields | kMute, E::LinVMax, E::LinVMin, E::DisableLineIn),
    // The CD line's "Disable" switch is carried, never changed: it greys nothing.
    Level(E::CDVolume, S::Gain, Channels::Stereo, kStereoLevelFields, E::ACDVMax, E::ACDVMin, kNone),
    Level(E::VideoVolume, S::Gain, Channels::Stereo, kStereoLevelFields | kMute, E::VidVMax, E::VidVMin, E::DisableVideo),
    Level(E::AUXVolume, S::Gain, Channels::Stereo, kStereoLevelFields | kMute, E::AuxVMax, E::AuxVMin, E::DisableAUX),
    Level(E::WaveOutVolume, S::Gain, Channels::Stereo, kStereoLevelFields, E::WaveOutVolume, E::WaveOutVolume, kNone),
    Carried(E::MonooutVolume),
    Carried(E::ToneControls),
    Plain(EntryKind::RecordSource, 0x0707, E::RecordSelect),
    Carried(E::RecordGain),
    Carried(E::RecordGainMic),
    Plain(EntryKind::MicSelect, 1u << kMic2SelectBit, E::GeneralPurpose, E::DisableMic),
    Carried(E::ThreeDControl),
    Carried(E::PowerDown),

    // Record sources: Mic 0, Video 2, AUX 3, Line In 4, Phone 7. CD (1) is
    // never disabled; Stereo Mix and Mono Mix are no playback lines.
    // The Mic line's own "Disable Control" boxes go with that line.
    Model3Switch(E::SpdifMute, E::DisableSPDIF), Model3Switch(E::SpdifSrc, E::DisableSPDIF),
    Switch(E::DisablePCBeep, true),    LineSwitch(E::DisablePhone, 7),
    Switch(E::DisableMic2, true, E::DisableMic), LineSwitch(E::DisableVideo, 2),
    LineSwitch(E::DisableAUX, 3),      Switch(E::DisableHeadphone, true), Switch(E::DisableMonoOut, false),
    Switch(E::DisableMicIn, false),    LineSwitch(E::DisableMic, 0),      LineSwitch(E::DisableLineIn, 4),
    Switch(E::DisableCD, false),       Switch(E::DisableMicBoost, true, E::DisableMic),
    SpdifLineSwitch(E::DisableSPDIF),
    Model3Switch(E::Enable33VSupport), Switch(E::EnableAutoPowerDown, false),
    Model3Switch(E::EnableJackDetect), Model3Switch(E::Enable48KSpdif, E::DisableSPDIF), Switch(E::EnableLoudness, false),

    MaxLevel(E::MasterVolume, S::Attenuation),    MinLevel(E::MasterVolume, S::Attenuation),
    MaxLevel(E::HeadphoneVolume, S::Attenuation), MinLevel(E::HeadphoneVolume, S::Attenuation),
    MaxLevel(E::MicVolume, S::Gain),              MinLevel(E::MicVolume, S::Gain),
    MaxLevel(E::BeepVolume, S::Beep),             MinLevel(E::BeepVolume, S::Beep),
    MaxLevel(E::PhoneVolume, S::Gain),            MinLevel(E::PhoneVolume, S::Gain),
    MaxLevel(E::LineInVolume, S::Gain),           MinLevel(E::LineInVolume, S::Gain),
    MaxLevel(E::VideoVolume, S::Gain),            MinLevel(E::VideoVolume, S::Gain),
    MaxLevel(E::AUXVolume, S::Gain),              MinLevel(E::AUXVolume, S::Gain),
    MaxLevel(E::CDVolume, S::Gain),               MinLevel(E::CDVolume, S::Gain),

    MaxGain(0, E::MicRMax), MinGain(0, E::MicRMin), MaxGain(1, E::ACDRMax), MinGain(1, E::ACDRMin),
    MaxGain(2, E::VidRMax), MinGain(2, E::VidRMin), MaxGain(3, E::AuxRMax), MinGain(3, E::AuxRMin),
    MaxGain(4, E::LinRMax), MinGain(4, E::LinRMin), MaxGain(5, E::OutRMax), MinGain(5, E::OutRMin),
    MaxGain(6, E::MonRMax), MinGain(6, E::MonRMin), MaxGain(7, E::PhoRMax), MinGain(7, E::PhoRMin),

    Plain(EntryKind::Number, 0, E::PollingPeriod),
}};

// In table order, one per entry.
constexpr std::string_view kDescriptions[kEntryCount] = {
    "The Master output's level and mute as the driver starts.",
    "The headphone output's level and mute as the driver starts.",
    "The PC speaker's level and mute as the driver starts.",
    "The phone line's playback level and mute as the driver starts.",
    "The microphone's playback level, mute and boost as the driver starts.",
    "The line input's playback level and mute as the driver starts.",
    "The CD input's playback level as the driver starts.",
    "The video input's playback level and mute as the driver starts.",
    "The AUX input's playback level and mute as the driver starts.",
    "The level of wave and software synth playback as the driver starts.",
    "The mono output register, carried at its factory value.",
    "The bass and treble register, carried at its factory value.",
    "The input the driver records from until the user picks another.",
    "The record gain register, carried at its factory value.",
    "The microphone record gain register, carried at its factory value.",
    "Mic2 Select: the codec takes the microphone from its second input.",
    "The 3D enhancement register, carried at its factory value.",
    "The power-down register, carried at its factory value.",
    "Mutes the S/PDIF digital output.",
    "Converts the sample rate of the S/PDIF digital output.",
    "Turns the PC speaker line off in the driver.",
    "Turns the phone line off in the driver.",
    "Turns the second microphone input off in the driver.",
    "Turns the video input off in the driver.",
    "Turns the AUX input off in the driver.",
    "Turns the headphone output off in the driver.",
    "Turns the mono output off in the driver.",
    "Turns the Mic In jack off in the driver.",
    "Turns the microphone line off in the driver.",
    "Turns the line input off in the driver.",
    "Turns the CD input off in the driver.",
    "Takes the microphone boost out of the driver.",
    "Turns the S/PDIF digital output off in the driver.",
    "Lets the driver run the codec on a 3.3 V supply.",
    "Lets the driver power the codec down while it is idle.",
    "Lets the driver switch outputs when a plug goes into a jack.",
    "Sends the S/PDIF output at 48 kHz (driver 5.10.3590 or later).",
    "Turns the codec's loudness compensation on.",
    "The loudest level the driver lets the Master output reach.",
    "The quietest Master level, carried at its factory value.",
    "The loudest level the driver lets the headphone output reach.",
    "The quietest headphone level, carried at its factory value.",
    "The loudest level the driver lets the microphone reach.",
    "The quietest microphone level, carried at its factory value.",
    "The loudest level the driver lets the PC speaker reach.",
    "The quietest PC speaker level, carried at its factory value.",
    "The loudest level the driver lets the phone line reach.",
    "The quietest phone level, carried at its factory value.",
    "The loudest level the driver lets the line input reach.",
    "The quietest line input level, carried at its factory value.",
    "The loudest level the driver lets the video input reach.",
    "The quietest video level, carried at its factory value.",
    "The loudest level the driver lets the AUX input reach.",
    "The quietest AUX level, carried at its factory value.",
    "The loudest level the driver lets the CD input reach.",
    "The quietest CD level, carried at its factory value.",
    "The largest gain the driver allows when recording the microphone.",
    "The smallest microphone record gain, carried at its factory value.",
    "The largest gain the driver allows when recording the CD input.",
    "The smallest CD record gain, carried at its factory value.",
    "The largest gain the driver allows when recording the video input.",
    "The smallest video record gain, carried at its factory value.",
    "The largest gain the driver allows when recording the AUX input.",
    "The smallest AUX record gain, carried at its factory value.",
    "The largest gain the driver allows when recording the line input.",
    "The smallest line input record gain, carried at its factory value.",
    "The largest gain the driver allows when recording the stereo mix.",
    "The smallest stereo mix record gain, carried at its factory value.",
    "The largest gain the driver allows when recording the mono mix.",
    "The smallest mono mix record gain, carried at its factory value.",
    "The largest gain the driver allows when recording the phone line.",
    "The smallest phone record gain, carried at its factory value.",
    "How often the driver polls the codec, carried at its factory value.",
};

// By level row, in table order: the rows from MasterVolume to WaveOutVolume.
constexpr std::string_view kLineNames[] = {
    "the Master output", "the headphone output", "the PC speaker", "the phone line", "the microphone",
    "the line input", "the CD input", "the video input", "the AUX input", "wave and software synth playback"};
static_assert(std::size(kLineNames) == IndexOf(E::WaveOutVolume) + 1);

constexpr std::string_view kSourceNames[kRecordSources] = {
    "Mic", "CD", "Video", "AUX", "Line In", "Stereo Mix", "Mono Mix", "Phone"};

// Lower case with runs of blanks folded into one, for forgiving name matches.
std::string Folded(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == ' ' || c == '\t') {
            if (!out.empty() && out.back() != ' ') out += ' ';
        } else {
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    if (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

}  // namespace

const EntryMeaning& MeaningOf(std::size_t index) { return kMeanings.at(index); }

std::string_view EntryDescription(std::size_t index) { return kDescriptions[index % kEntryCount]; }

std::string_view LineName(Entry level) { return kLineNames[IndexOf(level) % std::size(kLineNames)]; }

std::string BitMeaning(Entry e, unsigned bit, bool set) {
    const std::string on = set ? "on" : "off";
    if (bit == kMuteBit && MeaningOf(e).kind == EntryKind::Level)
        return std::string(LineName(e)) + (set ? " starts muted" : " starts unmuted");
    if (e == E::MicVolume && bit == kMicBoostBit) return "the microphone boost is " + on + " as the driver starts";
    if (e == E::GeneralPurpose && bit == kMic2SelectBit)
        return std::string("the codec takes the microphone from its ") + (set ? "second" : "first") + " input";
    if (e == E::GeneralPurpose && bit == k3DEnableBit)
        return "the codec's 3D enhancement is " + on + " as the driver starts";
    return {};
}

std::optional<std::size_t> IndexOfKey(std::string_view key) {
    for (std::size_t i = 0; i < kEntryCount; ++i)
        if (key == DefaultEntryTable[i].key) return i;
    return std::nullopt;
}

std::string_view RecordSourceName(unsigned source) { return kSourceNames[source % kRecordSources]; }

std::optional<unsigned> RecordSourceFromName(std::string_view name) {
    const std::string wanted = Folded(name);
    for (unsigned n = 0; n < kRecordSources; ++n)
        if (Folded(kSourceNames[n]) == wanted) return n;
    return std::nullopt;
}

std::optional<Entry> DisableSwitchOfSource(unsigned source) {
    for (std::size_t i = 0; i < kEntryCount; ++i) {
        const EntryMeaning& m = kMeanings[i];
        if (m.kind == EntryKind::Switch && m.source == source) return static_cast<Entry>(i);
    }
    return std::nullopt;
}

Entry LineSwitchOf(Entry e) {
    const EntryMeaning& m = MeaningOf(e);
    switch (m.kind) {
        case EntryKind::MaxLevel:
        case EntryKind::MinLevel: return MeaningOf(m.level).lineSwitch;
        case EntryKind::MaxGain:
        case EntryKind::MinGain: return DisableSwitchOfSource(m.source).value_or(Entry::Count);
        default: return m.lineSwitch;
    }
}

std::optional<unsigned> SourceDisabledBy(Entry disableSwitch) {
    const EntryMeaning& m = MeaningOf(disableSwitch);
    if (m.kind != EntryKind::Switch || m.source == kNoSource) return std::nullopt;
    return m.source;
}

std::string_view CodecModelCaption(CodecModel model) {
    switch (model) {
        case CodecModel::Model1: return "QM-1/1P";
        case CodecModel::Model2: return "QM-2";
        case CodecModel::Model3: return "QM-3/QM-3A";
        case CodecModel::None: break;
    }
    return "none";
}

std::optional<CodecModel> CodecModelFromCaption(std::string_view caption) {
    const std::string wanted = Folded(caption);
    for (CodecModel m : {CodecModel::Model1, CodecModel::Model2, CodecModel::Model3})
        if (Folded(CodecModelCaption(m)) == wanted) return m;
    return std::nullopt;
}

}  // namespace custom
