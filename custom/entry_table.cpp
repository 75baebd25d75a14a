#include "custom/entry_table.h"

namespace custom {
namespace {

constexpr CustomEntry Reg(const char* key, std::uint32_t value) { return {key, kTypeBinary, 2, value}; }
constexpr CustomEntry Byte(const char* key, std::uint32_t value) { return {key, kTypeBinary, 1, value}; }

constexpr EntryTable::Rows kFactoryRows = {{
    Reg("MasterVolume", 0x0404),   Reg("HeadphoneVolume", 0x0404), Reg("BeepVolume", 0x0004),
    Reg("PhoneVolume", 0x0004),    Reg("MicVolume", 0x8004),       Reg("LineInVolume", 0x0404),
    Reg("CDVolume", 0x0C0C),       Reg("VideoVolume", 0x0404),     Reg("AUXVolume", 0x0404),
    Reg("WaveOutVolume", 0x0808),  Reg("MonooutVolume", 0x0000),   Reg("ToneControls", 0x0F0F),
    Reg("RecordSelect", 0x0505),   Reg("RecordGain", 0x0000),      Reg("RecordGainMic", 0x0000),
    Reg("GeneralPurpose", 0x0000), Reg("3DControl", 0x0000),       Reg("PowerDown", 0x0000),

    Byte("SpdifMute", 0),        Byte("SpdifSrc", 0),            Byte("DisablePCBeep", 0),
    Byte("DisablePhone", 0),     Byte("DisableMic2", 0),         Byte("DisableVideo", 0),
    Byte("DisableAUX", 0),       Byte("DisableHeadphone", 1),    Byte("DisableMonoOut", 1),
    Byte("DisableMicIn", 1),     Byte("DisableMic", 0),          Byte("DisableLineIn", 0),
    Byte("DisableCD", 0),        Byte("DisableMicBoost", 0),     Byte("DisableSPDIF", 0),
    Byte("Enable33VSupport", 0), Byte("EnableAutoPowerDown", 0), Byte("EnableJackDetect", 0),
    Byte("Enable48KSpdif", 0),   Byte("EnableLoudness", 1),

    Byte("MasVMax", 0x00), Byte("MasVMin", 0x1F), Byte("HP_VMax", 0x00), Byte("HP_VMin", 0x1F),
    Byte("MicVMax", 0x00), Byte("MicVMin", 0x1F), Byte("PCBVMax", 0x00), Byte("PCBVMin", 0x1F),
    Byte("PhoVMax", 0x00), Byte("PhoVMin", 0x1F), Byte("LinVMax", 0x00), Byte("LinVMin", 0x1F),
    Byte("VidVMax", 0x00), Byte("VidVMin", 0x1F), Byte("AuxVMax", 0x00), Byte("AuxVMin", 0x1F),
    Byte("ACDVMax", 0x08), Byte("ACDVMin", 0x1F),

    Byte("MicRMax", 0x0F), Byte("MicRMin", 0x00), Byte("ACDRMax", 0x0F), Byte("ACDRMin", 0x00),
    Byte("VidRMax", 0x0F), Byte("VidRMin", 0x00), Byte("AuxRMax", 0x0F), Byte("AuxRMin", 0x00),
    Byte("LinRMax", 0x0F), Byte("LinRMin", 0x00), Byte("OutRMax", 0x0F), Byte("OutRMin", 0x00),
    Byte("MonRMax", 0x0F), Byte("MonRMin", 0x00), Byte("PhoRMax", 0x0F), Byte("PhoRMin", 0x00),

    {"PollingPeriod", kTypeDword, 4, 0x00000000},
}};

}  // namespace

const EntryTable DefaultEntryTable{kFactoryRows};

void CopyDefaults(EntryTable& working) { working = DefaultEntryTable; }

void StoreRegister(CustomEntry& entry, std::uint16_t image) { entry.value = image; }

void StoreLevelField(CustomEntry& entry, unsigned code, Channels channels) {
    std::uint32_t field = code & kLevelMask;
    std::uint32_t mask = kLevelMask;
    if (channels == Channels::Stereo) {
        field |= field << kLeftLevelShift;
        mask = kStereoLevelFields;
    }
    entry.value = (entry.value & ~mask) | field;
}

void StoreLevelKeepingBit0(CustomEntry& entry, unsigned code) {
    entry.value = (entry.value & ~kBeepLevelMask) | (code & kLevelMask);
}

void StoreBit(CustomEntry& entry, unsigned bit, bool on) {
    const std::uint32_t mask = std::uint32_t{1} << bit;
    entry.value = on ? (entry.value | mask) : (entry.value & ~mask);
}

void StoreByte(CustomEntry& entry, std::uint8_t value) { entry.value = value; }

}  // namespace custom
