// What the system's controls leave undone for a keyboard user: an up-down
// control takes its arrow keys only through a buddy that can take the focus
// (a static text cannot), a trackbar moves its thumb by lines of its own,
// rarely a step of what it shows, and a check box or radio button without text draws its focus
// rectangle around no text at all.
#pragma once

#include <windows.h>

namespace fw {

// Makes `control` usable and visible from the keyboard, by its kind:
//  - an up-down control takes the arrow keys from the dialog manager: Up and
//    Left are a press of its up arrow, Down and Right of its down arrow,
//    PgUp and PgDn four presses, Home and End as many as reach that end of
//    its range; each key as one delta-position notification to the parent,
//    as a click on the arrow raises, the position set when the parent lets
//    it move;
//  - a trackbar reports its keys to the parent as scroll notifications
//    without moving: an arrow as a line, PgUp and PgDn as four, Home and
//    End as top and bottom; the parent places the thumb;
//  - an up-down control, and a check box or radio button without text, draw
//    the system's focus rectangle around the whole control while they have
//    the focus and the keyboard cues are shown (WM_QUERYUISTATE).
// Any other control is left as it is. Installing costs one subclass.
void ServeKeyboard(HWND control);

}  // namespace fw
