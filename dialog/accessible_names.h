// What a screen reader says of the settings dialog's controls that show no
// text of their own.
#pragma once

#include <windows.h>

#include <vector>

// Gives each "Volume" slider, "Max Volume (dB)" spin, value text, and each
// "Disable Line", "Mute" and "Select" box without a caption a name made of
// its row label and column header as the dialog shows them ("Mute, Master"),
// and the sliders, spins and texts the dB value they show ("-7.5 dB"), from
// among the dialog's `controls`; every control that explains itself gets
// its tip as its description. Until then the controls answer as the
// system's standard objects.
void NameControlsWithoutText(const std::vector<HWND>& controls);
