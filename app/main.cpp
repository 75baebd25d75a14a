#include <windows.h>

#include "framework/app.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return fw::CWinApp::Run(); }
