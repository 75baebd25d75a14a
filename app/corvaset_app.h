// The application object: one run is one modal settings dialog.
#pragma once

#include "framework/app.h"

class CCorvasetApp : public fw::CWinApp {
public:
    CCorvasetApp() : fw::CWinApp(L"corvaset") {}
    void InitInstance() override;
};
