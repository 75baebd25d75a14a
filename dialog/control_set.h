// A group of control members of one class, bound to a fixed list of IDs and
// found again by ID.
#pragma once

#include <array>
#include <cstddef>

#include "framework/dialog.h"

template <class Control, std::size_t N>
class ControlSet {
public:
    explicit constexpr ControlSet(const int (&ids)[N]) : m_ids(ids) {}

    void Bind(fw::CDataExchange& dx) {
        for (std::size_t i = 0; i < N; ++i) fw::DDX_Control(dx, m_ids[i], m_controls[i]);
    }

    // The member bound to `id`; an ID outside the set is a programming error.
    Control& operator[](int id) {
        for (std::size_t i = 0; i < N; ++i)
            if (m_ids[i] == id) return m_controls[i];
        return m_none;
    }

private:
    const int (&m_ids)[N];
    std::array<Control, N> m_controls{};
    Control m_none{};  // unbound: every call on it is a harmless no-op
};
