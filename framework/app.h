// Application base: the one object a run needs, its name and its start.
#pragma once

#include <windows.h>

#include <string>

namespace fw {

class CWinApp {
public:
    // The fallback names the application when its file name cannot be read.
    explicit CWinApp(const wchar_t* fallbackName);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Called once at start; the program ends when it returns.
    virtual void InitInstance() = 0;

    // The program file's name without folder and extension, which captions
    // message boxes that have no caption of their own.
    static std::wstring AppName();

    // Entry code: runs InitInstance of the application object.
    static int Run();

private:
    static CWinApp* s_app;
    const wchar_t* m_fallbackName;
};

}  // namespace fw
