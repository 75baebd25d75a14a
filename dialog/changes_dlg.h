// "Changes...": what "Save" would write now, a line per record, with a
// button that copies the list.
#pragma once

#include <string>

#include "framework/dialog.h"

class CChangesDlg : public fw::CDialog {
public:
    // `list`: lines ending in '\n'.
    explicit CChangesDlg(const std::wstring& list);

protected:
    BOOL OnInitDialog() override;
    bool RouteMessage(fw::Message& m) override;

private:
    friend struct ChangesMessageTable;
    void OnCopy();

    std::wstring m_list;  // lines ending in "\r\n", as an edit control and the clipboard take them
};
