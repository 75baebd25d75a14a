// A dialog template copied from the program's resources, in which a dialog
// sets its controls' first texts and greying before it is created from it:
// the state comes with each control's creation, not as a call afterwards.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace fw {

class DialogTemplate {
public:
    // Copies the extended template `id` (DIALOGEX). A plain one is left as
    // it is, unchanged by the calls below.
    explicit DialogTemplate(UINT id);

    // The template with the changes made so far, valid while this object
    // lives and is not changed; null when the program has no template `id`.
    const DLGTEMPLATE* Data();

    // The first control with `id`, as GetDlgItem finds it, is created
    // greyed or usable, or with `text`. An unknown ID changes nothing.
    void SetItemEnabled(int id, bool enabled);
    void SetItemText(int id, const std::wstring& text);

    // What fitting the dialog to a screen needs before it exists: its style,
    // size and font, and the place of the first control a user can tab to.
    struct Layout {
        DWORD style, exStyle;
        SIZE size;  // dialog units
        int pointSize, weight;
        bool italic;
        std::wstring face;
        RECT firstTabStop;  // dialog units; empty when no control is one
    };
    // None for a plain template or one without a font.
    std::optional<Layout> LayoutOf() const;
    // Every control is created `dx`, `dy` dialog units away from its place.
    void MoveItems(int dx, int dy);

private:
    // Where the next control starts in the template, and where its title
    // is: in words, from m_words's start.
    struct Item {
        std::size_t start;
        std::size_t titleAt;  // a string or an ordinal
        std::size_t titleEnd;
        std::size_t end;  // past its creation data
    };
    // The control starting at or after `at`; false when the template ends
    // or is broken there.
    bool ReadItem(std::size_t at, Item& item) const;
    // The first control with `id`; false when none has it.
    bool FindItem(int id, Item& item) const;

    // The template as words (wchar_t is a WORD here). Strings this long are
    // on the heap, aligned for the DWORDs the dialog manager reads.
    const DLGTEMPLATE* m_resource = nullptr;
    std::wstring m_words;  // empty: the resource is used as it is
    std::size_t m_headerEnd = 0;
    std::size_t m_fontAt = 0;  // the font's point size; 0: no font
    unsigned m_itemCount = 0;
    // Texts set so far, each ended by a zero, and for each its control's
    // start and where the text starts in m_newTexts.
    std::wstring m_newTexts;
    std::vector<std::size_t> m_newTextAt;
    std::wstring m_built;
};

}  // namespace fw
