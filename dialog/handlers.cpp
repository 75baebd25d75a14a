// What the user does with the settings' controls: each handler hands the
// action to the model and shows what changed.
#include <algorithm>

#include "custom/level_scale.h"
#include "dialog/corvaset_dlg.h"

using namespace controls;

// The box has already moved its check: when the settings refuse the click,
// it is put back.
void CCorvasetDlg::OnBox(UINT box) {
    m_settings.ToggleBox(kControls[IndexOfId(static_cast<int>(box))].shows);
    ShowAgain(box);
}

// The position the notification reports is not used: the model moves from
// its own, so that a notification from another program can only do what a
// press could.
void CCorvasetDlg::OnSpin(int delta, UINT spin) {
    m_settings.PressSpin(kControls[IndexOfId(static_cast<int>(spin))].shows.entry, delta);
    ShowSettings();
}

namespace {

// The level steps a key on a slider stands for (PgUp and PgDn come as four
// arrows); 0 for what the mouse does.
int KeySteps(WORD code) {
    switch (code) {
        case TB_LINEUP: return -1;
        case TB_LINEDOWN: return 1;
        case TB_TOP: return -custom::kWholeScale;
        case TB_BOTTOM: return custom::kWholeScale;
        default: return 0;
    }
}

}  // namespace

// Every slider move, whatever its kind. A key steps the level, so that
// every level between the line's limits can be set, also where several
// share one position; the mouse sets the level of the position it chose.
void CCorvasetDlg::OnSliderMove(HWND from, WORD code) {
    const auto at = std::find(m_windows.begin(), m_windows.end(), from);
    if (from == nullptr || at == m_windows.end()) return;
    const std::size_t index = static_cast<std::size_t>(at - m_windows.begin());
    const Control& c = kControls[index];
    if (c.kind != Kind::Slider || c.shows.shows != custom::Shows::Level) return;
    // Where the trackbar stands now, which the view corrects if the model disagrees.
    const int position = static_cast<int>(::SendMessageW(from, TBM_GETPOS, 0, 0));
    m_shown[index].position = position;
    if (const int steps = KeySteps(code))
        m_settings.StepLevel(c.shows.entry, steps);
    else
        m_settings.MoveSlider(c.shows.entry, position);
    ShowSettings();
}

// The radio group has already moved the check: when the settings refuse the
// click, it is put back. A click notification for a radio that is not
// checked cannot come from a click, so it changes no setting.
void CCorvasetDlg::OnRadio(UINT radio) {
    const std::size_t index = IndexOfId(static_cast<int>(radio));
    if (index == kControlCount) return;
    const custom::ControlMeaning& shows = kControls[index].shows;
    if (IsDlgButtonChecked(static_cast<int>(radio))) {
        if (shows.shows == custom::Shows::Codec)
            m_settings.ChooseCodecModel(static_cast<custom::CodecModel>(shows.bit));
        else
            m_settings.ChooseRecordSource(shows.bit);
    }
    ShowAgain(radio);
}

void CCorvasetDlg::ResetToDefaults() {
    m_settings.ResetToDefaults();
    ShowSettings();
}
