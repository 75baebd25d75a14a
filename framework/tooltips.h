// A tooltip control that gives each control of a dialog a tip whose text
// the dialog supplies each time the tip shows (TTN_GETDISPINFOW, sent to the
// dialog), so a tip always tells what the control shows at that moment.
//
// A greyed control gets no mouse messages, and neither does a static text
// (it lets them through): the dialog gets them instead. So besides one tool
// per control, which the tooltip serves by subclassing the control, one
// tool on the dialog follows the greyed control or text under the mouse:
// the dialog hands its mouse messages to RelayDialogMouse.
#pragma once

#include <windows.h>

#include <vector>

namespace fw {

class CToolTips {
public:
    // Creates the tooltip with the system's delays, wide enough for lines of
    // about 80 characters, and a tool for each of `controls`.
    bool Create(HWND dialog, const std::vector<HWND>& controls);
    HWND GetSafeHwnd() const { return m_tip; }

    // A mouse message of the dialog itself (over its background, a greyed
    // control or a static text).
    void RelayDialogMouse(UINT message, WPARAM wp, LPARAM lp);

    // The control a tip's text is asked for.
    HWND ControlOf(const NMHDR& request) const;

private:
    void PlaceDialogTool(HWND control, const RECT& place);
    // Each control's place in the dialog's client area, as it is now.
    const std::vector<RECT>& Places();

    HWND m_tip = nullptr;
    HWND m_dialog = nullptr;
    std::vector<HWND> m_controls;
    std::vector<RECT> m_places;
    RECT m_firstPlace{};  // where the first control was on the screen when the places were read
    HWND m_under = nullptr;  // the greyed control or text the dialog's tool stands on
    RECT m_underPlace{};
};

}  // namespace fw
