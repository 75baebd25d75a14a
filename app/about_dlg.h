// The About box (template 100): icon, version text and "OK".
#pragma once

#include "framework/dialog.h"

class CAboutDlg : public fw::CDialog {
public:
    CAboutDlg();

    // Runs an About box modally over `owner`.
    static void Show(HWND owner);

protected:
    bool RouteMessage(fw::Message& m) override;
};
