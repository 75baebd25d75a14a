// The settings dialog (template 102): shows and edits the working copy of the
// customization entries and saves the differences from the factory table.
#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "custom/custom_file.h"
#include "custom/entry_table.h"
#include "dialog/columns.h"
#include "dialog/control_set.h"
#include "framework/dialog.h"
#include "framework/dialog_scroller.h"
#include "win32/file.h"
#include "win32/file_read.h"
#include "framework/sender_check.h"
#include "framework/tooltips.h"
#include "custom/control_help.h"

class CCorvasetDlg : public fw::CDialog {
public:
    // Where the dialog scrolls, for tests and the screen's own checks.
    fw::CDialogScroller& Scroller() { return m_scroller; }

    // Opens the About box over the dialog; the application supplies it.
    using ShowAboutBox = void (*)(HWND owner);

    explicit CCorvasetDlg(ShowAboutBox showAbout);

    // Kept: the user chose not to replace the file; the dialog stays.
    enum class SaveResult { NothingToSave, Saved, Failed, Kept };

    custom::EntryTable& WorkingEntryTable() { return m_working; }
    // The codec model the user chose, or the opened file chose; the Codec
    // radios show it.
    custom::CodecModel CurrentCodecModel() const { return m_codecModel; }
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
    // What "Save" would write now, as the "Changes..." list shows it.
    std::wstring ChangesList() const;

    // Whether control `id` explains itself: every control that shows a
    // setting, the Codec radios, and the greyed controls without one.
    static bool HasHelpText(int id);
    // The control's tip and accessible description, as the dialog is now.
    std::wstring HelpTextOf(HWND control) const;
    // The tooltip control; null until the dialog has first been painted.
    HWND ToolTips() const { return m_tips.GetSafeHwnd(); }

protected:
    BOOL OnInitDialog() override;
    // "Save" (OK): writes the file and ends the dialog; it stays when the
    // file was not written.
    void OnOK();
    void DoDataExchange(fw::CDataExchange& dx) override;
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
    bool HasUnsavedEdits() const;
    // "Save" writes to `path` from now on; the caption names it.
    void SetTarget(const std::wstring& path);
    // A path as a box shows it: shortened to fit the screen.
    static std::wstring ShownPath(const std::wstring& path);


    // Loading the controls from the table
    // The texts and greying go to `target`: the live controls (*this), or the
    // template before the dialog is created.
    void PrepareTemplate(fw::DialogTemplate& dialogTemplate) override;
    void RefreshControls();
    void LoadChecksAndPositions();
    void ShowTextsAndGreying(fw::ItemStateTarget& target, custom::CodecModel model);
    void ShowLineDisabled(fw::ItemStateTarget& target, const columns::DisablingBox& line, bool disabled,
                          custom::CodecModel model);
    void ShowDefaultLevelText(fw::ItemStateTarget& target, const columns::LevelColumn& column);
    void ShowMaxLevelText(fw::ItemStateTarget& target, const columns::LevelColumn& column);
    void ShowMaxLevelText(fw::ItemStateTarget& target, const columns::WaveColumn& column);
    void PlaceLevelSlider(const columns::LevelColumn& column);
    void ShowRecordMaxGainText(fw::ItemStateTarget& target, const columns::RecordColumn& column);

    // Sliders and spins
    void OnSliderMove(HWND slider, WORD code);
    void OnMaxLevelSpin(int delta, int column);
    void OnWaveLevelSpin(int delta, int column);
    void OnRecordMaxGainSpin(int delta, int column);

    // Check boxes
    bool IsTicked(int box);
    void OnSwitchBox(int box);
    void OnDisablingBox(int box);

    // Codec model and record source
    void OnCodecModel(UINT radio);
    void ApplyCodecModel(custom::CodecModel model);
    void ShowCodecModel();
    void OnSelectRecordSource(UINT radio);
    void SelectRecordSource(unsigned source);
    void ShowRecordSource();

    // Explaining the controls, and listing what "Save" would write
    void ExplainControls();
    custom::Greying GreyingOf(int id, custom::CodecModel model) const;
    void OnToolTipText(NMTTDISPINFOW& request);
    void OnDialogMouse(UINT message, WPARAM wp, LPARAM lp);
    void ShowChanges();
    std::optional<custom::CustomFileImage> FileToSave(custom::CodecModel model) const;

    void ReportSaveFailure(const fw::FileError& error, const std::wstring& path) const;
    // Whether "Save" may write `path`: yes when it is not there or is as
    // it was when last seen here; else the user is asked.
    bool MayReplace(const std::wstring& path);

    ShowAboutBox m_showAbout;
    HICON m_hIcon;
    custom::EntryTable m_working;
    custom::CodecModel m_codecModel = custom::kStartCodecModel;
    // The table as last loaded (factory or opened file): edits are what differ.
    custom::EntryTable m_loaded;
    // The opened file's records and full path; none: "corvaset.dat" here.
    std::optional<custom::CustomFileRecords> m_opened;
    std::wstring m_target;
    // The target as it was opened, chosen or agreed to be replaced: "Save"
    // asks before it replaces a file that is not so. None: never seen.
    std::optional<fw::FileSeen> m_seen;
    std::wstring m_caption;  // the template's own caption
    std::vector<std::wstring> m_startArguments;
    fw::CDialogScroller m_scroller;
    fw::SenderCheck m_senderCheck;
    fw::CToolTips m_tips;
    std::wstring m_tipText;  // the text of the tip showing, which the tooltip reads

    // Where the program last placed each level column's thumb, and for
    // which level field: a notification at that very position is the user
    // clicking the thumb without moving it, not a new level.
    struct PlacedThumb {
        int position = -1;
        std::uint32_t levelField = 0;
    };
    std::array<PlacedThumb, std::size(columns::kLevelColumns)> m_placed{};

    ControlSet<fw::CSliderCtrl, std::size(columns::kAllSliders)> m_sliders{columns::kAllSliders};
    ControlSet<fw::CSpinButtonCtrl, std::size(columns::kAllSpins)> m_spins{columns::kAllSpins};
    ControlSet<fw::CButton, std::size(columns::kAllCheckBoxes)> m_boxes{columns::kAllCheckBoxes};
};
