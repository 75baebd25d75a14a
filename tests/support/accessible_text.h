// What an accessibility client (a screen reader) reads of a window: its
// client object's name and value, asked through AccessibleObjectFromWindow
// as a client asks, from this process or from another.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace test_support {

// COM for the calling thread, for the life of the object.
class ComThread {
public:
    ComThread();
    ~ComThread();
    ComThread(const ComThread&) = delete;
    ComThread& operator=(const ComThread&) = delete;
};

// The control's name or value; empty when it has none, nothing when the
// client object or the answer could not be had.
std::optional<std::wstring> AccessibleName(HWND control);
std::optional<std::wstring> AccessibleValue(HWND control);

}  // namespace test_support
