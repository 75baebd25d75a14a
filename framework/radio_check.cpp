#include "framework/radio_check.h"

namespace fw {

// The system's CheckRadioButton visits every control of the dialog, and an
// automatic radio button being checked walks around all of them twice to
// clear the rest of its group. The caller clears the rest button by button
// anyway, so the button to check is checked as a plain radio button (its
// type switched there and back with BM_SETSTYLE, without a redraw): the
// same check and tab stop, without the walk. A button that already has its
// check and tab stop is left as it is.
void SetRadioCheck(HWND button, bool check) {
    const bool checked = ::SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
    const bool tabStop = (::GetWindowLongW(button, GWL_STYLE) & WS_TABSTOP) != 0;
    if (checked == check && tabStop == check) return;
    if (!check) {
        ::SendMessageW(button, BM_SETCHECK, BST_UNCHECKED, 0);
        return;
    }
    const auto setType = [button](LONG type) {
        const LONG style = ::GetWindowLongW(button, GWL_STYLE);
        ::SendMessageW(button, BM_SETSTYLE, static_cast<WPARAM>((style & ~BS_TYPEMASK) | type), FALSE);
    };
    const bool automatic = (::GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
    if (automatic) setType(BS_RADIOBUTTON);
    ::SendMessageW(button, BM_SETCHECK, BST_CHECKED, 0);
    if (automatic) setType(BS_AUTORADIOBUTTON);
}


}  // namespace fw
