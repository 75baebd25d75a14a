// A group of control members of one class, bound to a fixed list of IDs and
// found again by ID.
#pragma once

#include <array>
#include <cassert>
#include <cstddef>

#include "framework/dialog.h"

template <class Control, std::size_t N>
class ControlSet {
public:
    explicit constexpr ControlSet(const int (&ids)[N]) : m_ids(ids) {}

    void Bind(fw::CDataExchange& dx) {
        for (std::size_t i = 0; i < N; ++i) fw::DDX_Control(dx, m_ids[i], m_controls[i]);
    }

    // The member bound to `id`. An ID outside the set is a programming error:
    // a debug build stops on it; a release build hands back a member bound to
    // no window, on which every call does nothing.
    Control& operator[](int id) {
        if (Control* control = Find(id)) return *control;
        assert(!"control ID outside the set");
        return m_none;
    }

private:
    // The member bound to `id`, or null when the set has no such ID.
    Control* Find(int id) {
        for (std::size_t i = 0; i < N; ++i)
            if (m_ids[i] == id) return &m_controls[i];
        return nullptr;
    }

    const int (&m_ids)[N];
    std::array<Control, N> m_controls{};
    Control m_none{};  // never bound
};
