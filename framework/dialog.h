// Dialog base: runs a template modally (or modeless, for tests), binds control
// members on the first data exchange and routes messages through the derived
// class's message table.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "framework/message_map.h"
#include "framework/wnd.h"

namespace fw {

class CDialog;

struct CDataExchange {
    CDialog* dialog;
    bool saveAndValidate;
};

// Binds `control` to the dialog's control `id` the first time data is exchanged.
void DDX_Control(CDataExchange& dx, int id, CWnd& control);

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId) : m_templateId(templateId) {}
    virtual ~CDialog();
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Runs the dialog modally; returns the result it was ended with, or -1.
    INT_PTR DoModal(HWND parent = nullptr);
    // Creates the dialog modeless and returns at once. EndDialog then only
    // records the result and hides the window; the owner destroys it.
    bool Create(HWND parent = nullptr);

    void EndDialog(int result);
    // The result EndDialog was called with, if it was.
    std::optional<int> EndResult() const { return m_endResult; }

    void CheckRadioButton(int first, int last, int check) const { ::CheckRadioButton(m_hWnd, first, last, check); }
    bool IsDlgButtonChecked(int id) const { return ::IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED; }
    HWND GetItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    void EnableItem(int id, bool enable) const { ::EnableWindow(GetItem(id), enable); }

    // A message box owned by the dialog; no caption means the application's name.
    int MessageBox(const std::wstring& text, const wchar_t* caption = nullptr, UINT type = MB_OK) const;

protected:
    virtual BOOL OnInitDialog();
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    virtual void DoDataExchange(CDataExchange&) {}
    // The derived class's message table; true when an entry took the message.
    virtual bool RouteMessage(Message&) { return false; }

    void UpdateData(bool saveAndValidate);

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    INT_PTR HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
    bool ComesFromOwnEnabledControl(const Message& m) const;

    UINT m_templateId;
    bool m_modeless = false;
    std::optional<int> m_endResult;
};

}  // namespace fw
