// The playback lines as the dialog shows them, written out here as the tests'
// own expectations: a wrong row in the dialog's tables or the core's facts
// then shows up as a difference instead of being read back by the test.
#pragma once

#include "custom/entry_table.h"
#include "custom/level_scale.h"
#include "res/resource.h"

struct ExpectedLine {
    const char* name;
    int slider;
    int defaultText;
    int maxText;
    int maxSpin;
    custom::Entry level;
    custom::Entry maxLevel;
    custom::LevelScale scale;
    bool stereo;
    int spinStep;               // the PC Speaker limit moves two codes a press
    const wchar_t* quietestText;
};

inline constexpr ExpectedLine kExpectedLines[] = {
    {"Master", IDC_SLIDER_MASTER, IDC_DEFTEXT_MASTER, IDC_MAXTEXT_MASTER, IDC_MAXSPIN_MASTER,
     custom::Entry::MasterVolume, custom::Entry::MasVMax, custom::LevelScale::Attenuation, true, 1, L"-46.5"},
    {"PC Speaker", IDC_SLIDER_PCSPEAKER, IDC_DEFTEXT_PCSPEAKER, IDC_MAXTEXT_PCSPEAKER, IDC_MAXSPIN_PCSPEAKER,
     custom::Entry::BeepVolume, custom::Entry::PCBVMax, custom::LevelScale::Beep, false, 2, L"-45.0"},
    {"Phone", IDC_SLIDER_PHONE, IDC_DEFTEXT_PHONE, IDC_MAXTEXT_PHONE, IDC_MAXSPIN_PHONE,
     custom::Entry::PhoneVolume, custom::Entry::PhoVMax, custom::LevelScale::Gain, false, 1, L"-34.5"},
    {"Mic", IDC_SLIDER_MIC, IDC_DEFTEXT_MIC, IDC_MAXTEXT_MIC, IDC_MAXSPIN_MIC,
     custom::Entry::MicVolume, custom::Entry::MicVMax, custom::LevelScale::Gain, false, 1, L"-34.5"},
    {"Line In", IDC_SLIDER_LINEIN, IDC_DEFTEXT_LINEIN, IDC_MAXTEXT_LINEIN, IDC_MAXSPIN_LINEIN,
     custom::Entry::LineInVolume, custom::Entry::LinVMax, custom::LevelScale::Gain, true, 1, L"-34.5"},
    {"CD", IDC_SLIDER_CD, IDC_DEFTEXT_CD, IDC_MAXTEXT_CD, IDC_MAXSPIN_CD,
     custom::Entry::CDVolume, custom::Entry::ACDVMax, custom::LevelScale::Gain, true, 1, L"-34.5"},
    {"Video", IDC_SLIDER_VIDEO, IDC_DEFTEXT_VIDEO, IDC_MAXTEXT_VIDEO, IDC_MAXSPIN_VIDEO,
     custom::Entry::VideoVolume, custom::Entry::VidVMax, custom::LevelScale::Gain, true, 1, L"-34.5"},
    {"AUX", IDC_SLIDER_AUX, IDC_DEFTEXT_AUX, IDC_MAXTEXT_AUX, IDC_MAXSPIN_AUX,
     custom::Entry::AUXVolume, custom::Entry::AuxVMax, custom::LevelScale::Gain, true, 1, L"-34.5"},
    {"Headphone", IDC_SLIDER_HEADPHONE, IDC_DEFTEXT_HEADPHONE, IDC_MAXTEXT_HEADPHONE, IDC_MAXSPIN_HEADPHONE,
     custom::Entry::HeadphoneVolume, custom::Entry::HP_VMax, custom::LevelScale::Attenuation, true, 1, L"-46.5"},
};

struct ExpectedRecordLine {
    int maxSpin;
    int maxText;
    custom::Entry maxGain;
};

inline constexpr ExpectedRecordLine kExpectedRecordLines[] = {
    {IDC_RECSPIN_MIC, IDC_RECTEXT_MIC, custom::Entry::MicRMax},
    {IDC_RECSPIN_CD, IDC_RECTEXT_CD, custom::Entry::ACDRMax},
    {IDC_RECSPIN_VIDEO, IDC_RECTEXT_VIDEO, custom::Entry::VidRMax},
    {IDC_RECSPIN_AUX, IDC_RECTEXT_AUX, custom::Entry::AuxRMax},
    {IDC_RECSPIN_LINEIN, IDC_RECTEXT_LINEIN, custom::Entry::LinRMax},
    {IDC_RECSPIN_STEREOMIX, IDC_RECTEXT_STEREOMIX, custom::Entry::OutRMax},
    {IDC_RECSPIN_MONOMIX, IDC_RECTEXT_MONOMIX, custom::Entry::MonRMax},
    {IDC_RECSPIN_PHONE, IDC_RECTEXT_PHONE, custom::Entry::PhoRMax},
};
