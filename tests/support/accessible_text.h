// What an accessibility client (a screen reader) reads of a window: its
// client object's name and value, asked through AccessibleObjectFromWindow
// as a client asks, from this process or from another.
#pragma once

#include <windows.h>
#include <oleacc.h>

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

// The window's client object, taken once and kept, as a screen reader keeps it.
class AccessibleObject {
public:
    explicit AccessibleObject(HWND window);
    ~AccessibleObject();
    AccessibleObject(const AccessibleObject&) = delete;
    AccessibleObject& operator=(const AccessibleObject&) = delete;

    // The name or value as the object answers now; empty when it has none,
    // nothing when there is no object or the question failed.
    std::optional<std::wstring> Name() const;
    std::optional<std::wstring> Value() const;
    std::optional<std::wstring> Description() const;

private:
    IAccessible* m_object = nullptr;
};

inline std::optional<std::wstring> AccessibleName(HWND window) { return AccessibleObject(window).Name(); }
inline std::optional<std::wstring> AccessibleValue(HWND window) { return AccessibleObject(window).Value(); }

}  // namespace test_support
