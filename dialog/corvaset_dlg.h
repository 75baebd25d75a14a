// The settings dialog (template 102): shows and edits the working copy of the
// customization entries and saves the differences from the factory table.
#pragma once

#include <windows.h>

#include <string>

#include "custom/custom_file.h"
#include "custom/entry_table.h"
#include "framework/dialog.h"
#include "framework/file.h"

class CCorvasetDlg : public fw::CDialog {
public:
    // Opens the About box over the dialog; the application supplies it.
    using ShowAboutBox = void (*)(HWND owner);

    explicit CCorvasetDlg(ShowAboutBox showAbout);

    enum class SaveResult { NothingToSave, Saved, Failed };

    custom::EntryTable& WorkingEntryTable() { return m_working; }
    custom::CodecModel CurrentCodecModel() const;
    void ResetToDefaults();
    // Writes "corvaset.dat" when anything is customized and reports the
    // outcome to the user; a failure leaves the old file as it was.
    SaveResult WriteCustomFile();

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool RouteMessage(fw::Message& m) override;

private:
    static const fw::MessageEntry<CCorvasetDlg> kMessageTable[];

    void OnSysCommand(fw::Message& m, int);
    void OnPaint(fw::Message& m, int);
    void OnQueryDragIcon(fw::Message& m, int);
    void OnDefault(fw::Message& m, int);

    void ReportSaveFailure(const fw::FileError& error, const std::wstring& path) const;

    ShowAboutBox m_showAbout;
    HICON m_hIcon;
    custom::EntryTable m_working;
};
