// The check a dialog chains in when its controls do what no program may make
// them do: a command, notification or scroll message names the control that
// sends it, and any program can send one naming any control, even a greyed
// one the user cannot use.
#pragma once

#include <windows.h>

#include "framework/dialog.h"

namespace fw {

class SenderCheck {
public:
    // Whether `m` comes from where it says:
    //  - a message naming a control must come from the dialog's enabled
    //    child window with that ID;
    //  - a menu or accelerator command (WM_COMMAND without a window, code 0
    //    or 1) passes only with an ID that no control of the dialog has, so
    //    that it cannot pose as a control's click;
    //  - a notification from the dialog's own pop-up window passes;
    //  - IDOK and IDCANCEL always pass: Enter, Escape and the close box
    //    send them;
    //  - every other message passes.
    // It cannot ask whether the message was sent from another thread
    // (InSendMessageEx): a control clicked by another program, as a screen
    // reader does, notifies from inside that program's message and looks the same.
    bool Passes(const CDialog& dialog, const Message& m) const;

    // Notifications from `popup`, a window the dialog made for itself (its
    // tooltip), pass like those of its controls.
    void AcceptNotificationsFrom(HWND popup) { m_popup = popup; }

private:
    HWND m_popup = nullptr;
};

}  // namespace fw
