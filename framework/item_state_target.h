// Where a dialog shows its controls' texts and greying: on the live controls,
// or, before the dialog is created, in its template.
#pragma once

#include <string>

namespace fw {

class ItemStateTarget {
public:
    // The first control with `id` greyed or usable, or showing `text`.
    virtual void SetItemEnabled(int id, bool enabled) = 0;
    virtual void SetItemText(int id, const std::wstring& text) = 0;

protected:
    ~ItemStateTarget() = default;
};

}  // namespace fw
