// The settings dialog (template 102): the view of the settings model. Each
// handler hands a user action to the model and then shows what changed;
// "Save" writes the differences from the factory table.
#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "custom/settings.h"
#include "dialog/control_table.h"
#include "framework/dialog.h"
#include "framework/dialog_scroller.h"
#include "win32/file.h"
#include "win32/file_read.h"
#include "framework/sender_check.h"
#include "framework/tooltips.h"

class CCorvasetDlg : public fw::CDialog {
public:
    // Where the dialog scrolls, for tests and the screen's own checks.
    fw::CDialogScroller& Scroller() { return m_scroller; }

    // Opens the About box over the dialog; the application supplies it.
    using ShowAboutBox = void (*)(HWND owner);

    explicit CCorvasetDlg(ShowAboutBox showAbout);

    // Kept: the user chose not to replace the file; the dialog stays.
    enum class SaveResult { NothingToSave, Saved, Failed, Kept };

    // The settings the dialog shows.
    const custom::Settings& Settings() const { return m_settings; }
    void ResetToDefaults();
    // The program's arguments: a file to open once the dialog is up.
    void SetStartArguments(std::vector<std::wstring> arguments);
    // Reads and checks a customization file and, when the user agrees to
    // what it finds, shows its settings; "Save" then writes back to it.
    // False when nothing changed. A file that does not exist is, when
    // `mayBeNew`, the file "Save" is to make: the settings stay.
    bool OpenCustomFile(const std::wstring& path, bool mayBeNew = false);
    // Writes "corvaset.dat" when anything is customized and reports the
    // outcome to the user; a failure leaves the old file as it was.
    SaveResult WriteCustomFile();
    // "Save As...": `path` becomes the file "Save" writes (the caption names
    // it), then the settings are written there and the outcome told, as
    // "Save" does; the dialog stays open whatever the outcome.
    SaveResult SaveAs(const std::wstring& path);

    // Whether control `id` explains itself: every control that shows a
    // setting, the Codec radios, and the greyed controls without one.
    static bool HasHelpText(int id) { return controls::IndexOfId(id) != controls::kControlCount; }
    // The control's tip and accessible description, as the settings are now.
    std::wstring HelpTextOf(HWND control) const;
    // The tooltip control; null until the dialog has first been painted.
    HWND ToolTips() const { return m_tips.GetSafeHwnd(); }

protected:
    BOOL OnInitDialog() override;
    // "Save" (OK): writes the file and ends the dialog; it stays when the
    // file was not written.
    void OnOK();
    bool AcceptsMessage(const fw::Message& m) const override { return m_senderCheck.Passes(*this, m); }
    bool RouteMessage(fw::Message& m) override;

private:
    friend struct MessageTable;

    // Window chrome
    void ShowAbout();
    void OnPaint();
    HICON OnQueryDragIcon() const { return m_hIcon; }
    // Once the dialog has first been painted.
    void OnceShown();

    // Opening a file
    static constexpr UINT kOpenStartFile = WM_APP + 1;
    // Set as the dialog starts; its message comes once the dialog is painted.
    static constexpr UINT kOnceShownTimer = 1;
    void OpenFromStartArguments();
    void OnDropFiles(const std::vector<std::wstring>& files);
    void ChooseAndOpenFile();
    void ChooseAndSaveAs();
    // "No customized feature!", naming the file when it keeps what it holds.
    void ReportNothingToSave(bool fileKeepsRecords);
    // "Save" writes to `path` from now on; the caption names it.
    void SetTarget(const std::wstring& path);
    // A path as a box shows it: shortened to fit the screen.
    static std::wstring ShownPath(const std::wstring& path);

    // The view: what each control shows, set only where it changed.
    // Before the dialog is created its texts and greying go into the
    // template; once it exists, the rest goes to the controls.
    void PrepareTemplate(fw::DialogTemplate& dialogTemplate) override;
    void SetUpControls();
    // What control `index` of the table is to show.
    custom::ControlView ViewOf(std::size_t index) const;
    void ShowSettings();
    // Shows the settings again in control `id` (and its radio group) as if
    // it showed nothing yet: it may have changed itself.
    void ShowAgain(UINT id);
    // A message refused shows its control again.
    void OnRefused(const fw::Message& m) override { ShowAgain(m.id); }

    // What the user does
    void OnBox(UINT box);
    void OnSpin(int delta, UINT spin);
    void OnSliderMove(HWND slider, WORD code);
    void OnRadio(UINT radio);

    // Explaining the controls, and listing what "Save" would write
    void ExplainControls();
    void OnToolTipText(NMTTDISPINFOW& request);
    void OnDialogMouse(UINT message, WPARAM wp, LPARAM lp);
    void ShowChanges();

    void ReportSaveFailure(const fw::FileError& error, const std::wstring& path) const;
    // Whether "Save" may write `path`: yes when it is not there or is as
    // it was when last seen here; else the user is asked.
    bool MayReplace(const std::wstring& path);

    ShowAboutBox m_showAbout;
    HICON m_hIcon;
    custom::Settings m_settings;
    std::wstring m_target;  // the opened or chosen file; none: "corvaset.dat" here
    // The target as it was opened, chosen or agreed to be replaced: "Save"
    // asks before it replaces a file that is not so. None: never seen.
    std::optional<fw::FileSeen> m_seen;
    std::wstring m_caption;  // the template's own caption
    std::vector<std::wstring> m_startArguments;
    fw::CDialogScroller m_scroller;
    fw::SenderCheck m_senderCheck;
    fw::CToolTips m_tips;
    std::wstring m_tipText;  // the text of the tip showing, which the tooltip reads

    // Each control of the table, and what it shows now.
    std::array<HWND, controls::kControlCount> m_windows{};
    std::array<custom::ControlView, controls::kControlCount> m_shown{};
};
