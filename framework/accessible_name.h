// A control that shows no text of its own (a check box without a caption, a
// slider, a spin) is announced by a screen reader by its kind alone. This
// gives such a control a name and a value that a callback supplies each time
// a client asks, through the route every Windows version and Wine take: the
// control answers WM_GETOBJECT for its client area with an object that passes
// every question to the system's standard object for the control, except its
// own name, value and description.
#pragma once

#include <windows.h>

#include <string>

namespace fw {

enum class AccessibleText { Name, Value, Description };

// Sets `text` and returns true to answer with it (an empty text: the control
// has none); false leaves the answer to the standard object. Called each time
// a client asks, so the answer follows what the control shows at that moment.
using AccessibleTextSource = bool (*)(HWND control, AccessibleText which, std::wstring& text);

// Takes the control's name and value from `source` for the rest of its life.
// Installing costs one subclass. The first client to ask loads oleacc, ole32
// and oleaut32 and leaves COM initialised (apartment-threaded) on the
// control's thread, as the object handed over may outlive the question.
bool SetAccessibleTextSource(HWND control, AccessibleTextSource source);

}  // namespace fw
