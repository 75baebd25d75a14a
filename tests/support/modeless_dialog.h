// The real dialog classes made as a test needs them: modeless, in the test's
// own thread, so that the call returns at once and the test drives the window.
#pragma once

#include "framework/dialog.h"

namespace test_support {

// Makes `dialog`'s window from its prepared template, as DoModal would but
// without waiting; false when it could not be made. Ending the dialog hides
// the window; the dialog object destroys it.
bool CreateModeless(fw::CDialog& dialog);

}  // namespace test_support
