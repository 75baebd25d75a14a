// The customization entries: the factory table, the editable copy and the
// value updates the dialog makes on it. Platform-free.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace custom {

// Windows registry value-type numbers, carried with each row for the driver.
constexpr std::uint32_t kTypeBinary = 3;
constexpr std::uint32_t kTypeDword = 4;

struct CustomEntry {
    const char* key;
    std::uint32_t type;
    std::uint32_t size;   // meaningful low-order bytes of value
    std::uint32_t value;
};

// Rows are addressed by their fixed index, the same in both tables and in
// the file. "3DControl" cannot be an identifier and becomes ThreeDControl.
enum class Entry : std::size_t {
    MasterVolume, HeadphoneVolume, BeepVolume, PhoneVolume, MicVolume,
    LineInVolume, CDVolume, VideoVolume, AUXVolume, WaveOutVolume,
    MonooutVolume, ToneControls, RecordSelect, RecordGain, RecordGainMic,
    GeneralPurpose, ThreeDControl, PowerDown,
    SpdifMute, SpdifSrc, DisablePCBeep, DisablePhone, DisableMic2,
    DisableVideo, DisableAUX, DisableHeadphone, DisableMonoOut, DisableMicIn,
    DisableMic, DisableLineIn, DisableCD, DisableMicBoost, DisableSPDIF,
    Enable33VSupport, EnableAutoPowerDown, EnableJackDetect, Enable48KSpdif,
    EnableLoudness,
    MasVMax, MasVMin, HP_VMax, HP_VMin, MicVMax, MicVMin, PCBVMax, PCBVMin,
    PhoVMax, PhoVMin, LinVMax, LinVMin, VidVMax, VidVMin, AuxVMax, AuxVMin,
    ACDVMax, ACDVMin,
    MicRMax, MicRMin, ACDRMax, ACDRMin, VidRMax, VidRMin, AuxRMax, AuxRMin,
    LinRMax, LinRMin, OutRMax, OutRMin, MonRMax, MonRMin, PhoRMax, PhoRMin,
    PollingPeriod,
    Count
};

constexpr std::size_t kEntryCount = static_cast<std::size_t>(Entry::Count);
static_assert(kEntryCount == 73);

constexpr std::size_t IndexOf(Entry e) { return static_cast<std::size_t>(e); }

// The low byte of a value: a level's right-channel field with its flag bits,
// or a whole switch or limit.
constexpr std::uint8_t LowByte(std::uint32_t value) { return static_cast<std::uint8_t>(value & 0xFF); }

class EntryTable {
public:
    using Rows = std::array<CustomEntry, kEntryCount>;

    constexpr explicit EntryTable(const Rows& rows) : rows_(rows) {}
    // The working copy is all zero until it is first filled from the defaults.
    constexpr EntryTable() : rows_{} {}

    constexpr CustomEntry& operator[](Entry e) { return rows_[IndexOf(e)]; }
    constexpr const CustomEntry& operator[](Entry e) const { return rows_[IndexOf(e)]; }
    constexpr CustomEntry& operator[](std::size_t i) { return rows_[i]; }
    constexpr const CustomEntry& operator[](std::size_t i) const { return rows_[i]; }
    constexpr std::size_t size() const { return rows_.size(); }

private:
    Rows rows_;
};

extern const EntryTable DefaultEntryTable;

// Copies every field of every factory row over the table.
void CopyDefaults(EntryTable& working);

// A level register holds a 5-bit level code per channel: the right
// channel's (a mono line's only one) in bits 0-4 and a stereo line's left
// one in bits 8-12. A level limit is one such code.
constexpr std::uint32_t kLevelMask = 0x1F;
constexpr unsigned kLeftLevelShift = 8;
constexpr std::uint32_t kStereoLevelFields = kLevelMask | kLevelMask << kLeftLevelShift;  // 0x1F1F
constexpr std::uint32_t LevelCode(std::uint32_t value) { return value & kLevelMask; }
constexpr std::uint32_t LeftLevelCode(std::uint32_t value) { return (value >> kLeftLevelShift) & kLevelMask; }
// The PC Speaker's level moves in 3 dB steps, two codes each: bits 1-4.
constexpr std::uint32_t kBeepLevelMask = 0x1E;

// Value updates. Each changes one row's value and keeps every bit it does
// not name.
enum class Channels { Mono, Stereo };

// Stores a whole 16-bit register image.
void StoreRegister(CustomEntry& entry, std::uint16_t image);
// Replaces the 5-bit level field of the right channel (bits 0-4) and, for a
// stereo row, of the left channel (bits 8-12) with the same code.
void StoreLevelField(CustomEntry& entry, unsigned code, Channels channels);
// Replaces the PC Speaker level field (bits 1-4 count, in 3 dB steps) while
// an old bit 0 survives: the slider ORs the new level over it.
void StoreLevelKeepingBit0(CustomEntry& entry, unsigned code);
// Sets or clears one bit (mute, microphone boost, second microphone).
void StoreBit(CustomEntry& entry, unsigned bit, bool on);
// Stores a switch or a limit code in the low byte; the upper bytes stay 0.
void StoreByte(CustomEntry& entry, std::uint8_t value);

constexpr unsigned kMuteBit = 15;
constexpr unsigned kMicBoostBit = 6;
constexpr unsigned kMic2SelectBit = 8;
constexpr unsigned k3DEnableBit = 13;  // of GeneralPurpose

}  // namespace custom
