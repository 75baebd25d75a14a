// Dialog base: runs a template modally and routes messages through the
// derived class's message table.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/dialog_template.h"
#include "framework/message_map.h"
#include "framework/wnd.h"

namespace fw {

// Gives a radio button its check and tab stop (`check`), or takes both away,
// as the system's CheckRadioButton leaves them, without its walk of the
// dialog; the caller sets each button of the group.
void SetRadioCheck(HWND button, bool check);

// The dialog procedure runs these steps for each message, in this order:
//  1. WM_INITDIALOG: the controls are listed (Controls), then OnInitDialog.
//  2. A message the derived class's filter (AcceptsMessage) refuses is
//     marked refused: no handler sees it.
//  3. The derived class's message table (RouteMessage), whose entries check
//     the arguments any process could forge, and answer a refused message
//     as their kind refuses it (a spin's press: no move). An entry that
//     does more than look refuses its message while a modal window is up.
//     OK and Cancel are entries like any other (OnClickedEnd, or a handler
//     of the dialog's own).
//  4. A refused message goes to OnRefused: the control that sent it may
//     have changed itself on its way (a button its check, a trackbar its
//     thumb).
// No exception leaves a step: the procedure catches them all.
//
// Under Wine nearly every call that reaches a window (its text, state, place
// or children, a message through a subclass) is a round trip to the wine
// server, and a dialog of 150 controls pays for each. So the controls are
// listed once, a control's state is set only when it differs, radio buttons
// are checked without walking the dialog, and the first texts and greying
// go into the template (DialogTemplate) before the controls exist.
class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId) : m_templateId(templateId) {}
    virtual ~CDialog();
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // A call that makes a dialog window from a template in memory, with the
    // arguments DialogBoxIndirectParamW takes.
    using MakeWindow = INT_PTR(WINAPI*)(HINSTANCE, LPCDLGTEMPLATEW, HWND, DLGPROC, LPARAM);
    // Prepares the template and makes this dialog's window from it by
    // `make`; returns what `make` returns, or -1 when there is no template.
    INT_PTR RunIn(MakeWindow make, HWND parent = nullptr);
    // Runs the dialog modally; returns the result it was ended with, or -1.
    INT_PTR DoModal(HWND parent = nullptr) { return RunIn(::DialogBoxIndirectParamW, parent); }

    void EndDialog(int result) const { ::EndDialog(m_hWnd, result); }

    bool IsDlgButtonChecked(int id) const { return ::SendMessageW(FindItem(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

    // The first of the controls with `id`, as GetDlgItem finds it; null when none has it.
    HWND FindItem(int id) const;

    // The dialog object of a dialog window run by this class; null for any other window.
    static CDialog* FromHandle(HWND dialog);

    // A message box owned by the dialog; no caption means the application's name.
    int MessageBox(const std::wstring& text, const wchar_t* caption = nullptr, UINT type = MB_OK) const;

    // Whether a modal window the dialog opened (a message box, or one shown
    // through WhileModal) is up; table entries that do more than look
    // refuse their messages then (Acts).
    bool ModalWindowUp() const { return m_modalWindows != 0; }
    // Calls `show`, which opens a modal window over the dialog, and returns what it returns.
    template <class Show>
    decltype(auto) WhileModal(Show&& show) const {
        struct Count {
            int& n;
            ~Count() { --n; }
        } count{++m_modalWindows};
        return show();
    }

protected:
    virtual BOOL OnInitDialog();
    // Before the window exists: the dialog may set its controls' first texts
    // and greying in its template, where they cost nothing.
    virtual void PrepareTemplate(DialogTemplate&) {}
    // Step 2: false refuses the message (a dialog that checks senders chains a SenderCheck here).
    virtual bool AcceptsMessage(const Message&) const { return true; }
    // The derived class's message table; true when an entry took the message.
    virtual bool RouteMessage(Message&) { return false; }
    // Step 4: the dialog shows again what the control that sent `m` is to show.
    virtual void OnRefused(const Message&) {}

    // The dialog's controls in their order, listed once as the dialog starts
    // (before OnInitDialog). A dialog here never adds or removes a control.
    const std::vector<HWND>& Controls() const { return m_controls; }
    // Destroys control `old` and lists `made`, made in its place with the
    // same ID (with a style a control cannot take once it exists), instead.
    void ReplaceControl(HWND old, HWND made);

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    INT_PTR HandleMessage(UINT msg, WPARAM wp, LPARAM lp);

    UINT m_templateId;
    std::vector<HWND> m_controls;
    std::vector<int> m_controlIds;  // each control's ID, read once: every read is a call into win32u
    mutable int m_modalWindows = 0;
};

}  // namespace fw
