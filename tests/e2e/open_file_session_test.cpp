// A package's file opened in the program as a maker does: the file that
// "corvaset-dat make" built, named on the command line, saved back.
#include "tests/e2e/user_session.h"

#include "res/resource.h"

using custom::Entry;

namespace {

constexpr char kDescription[] =
    "MasterVolume = -7.5 mute\n"
    "DisableAUX = on\n"
    "RecordSelect = Line In\n"
    "SpdifMute = on\n";

}  // namespace

class OpenFileSession : public UserSession {
protected:
    // corvaset.dat made by the companion tool from the description above.
    void MakeWithTheTool() {
        // The companion tool is built beside the program.
        const std::wstring tool = exe.substr(0, exe.find_last_of(L"\\/") + 1) + L"corvaset-dat.exe";
        ASSERT_TRUE(test_support::FileExists(tool)) << "no corvaset-dat.exe beside the program";
        const std::wstring desc = folder.File(L"package.desc");
        ASSERT_TRUE(test_support::WriteFileBytes(desc, {std::begin(kDescription), std::end(kDescription) - 1}));
        std::wstring line = L"\"" + tool + L"\" make package.desc -o corvaset.dat";
        STARTUPINFOW startup{sizeof(startup)};
        PROCESS_INFORMATION process{};
        ASSERT_TRUE(::CreateProcessW(tool.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                     folder.Path().c_str(), &startup, &process));
        ::WaitForSingleObject(process.hProcess, 20000);
        DWORD code = 1;
        ::GetExitCodeProcess(process.hProcess, &code);
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
        ASSERT_EQ(code, 0u);
        ::DeleteFileW(desc.c_str());
        made = *test_support::ReadFileBytes(datPath);
    }
    // Starts the program on corvaset.dat and waits until the file is open:
    // the caption then ends with its path.
    AppDriver& StartOnTheFile() {
        AppDriver& app = Start(L"corvaset.dat");
        const std::wstring opened = L"Tessan Corvaset - v1.0 - " + datPath;
        for (int i = 0; i < 500 && test_support::WindowText(app.Dialog()) != opened; ++i) ::Sleep(10);
        EXPECT_EQ(test_support::WindowText(app.Dialog()), opened);
        return app;
    }
    std::vector<std::uint8_t> made;
};

TEST_F(OpenFileSession, SavedWithoutAChangeTheFileIsTheSame) {
    MakeWithTheTool();
    auto& app = StartOnTheFile();
    EXPECT_TRUE(app.IsChecked(IDC_MUTE_MASTER));
    EXPECT_TRUE(app.IsChecked(IDC_DISABLE_AUX));
    EXPECT_TRUE(app.IsChecked(IDC_SELECT_LINEIN));
    EXPECT_EQ(app.Text(IDC_DEFTEXT_MASTER), L"-7.5");
    const auto records = SaveAndRead(app);
    ASSERT_TRUE(records.has_value());
    EXPECT_EQ(test_support::ReadFileBytes(datPath), made);
}

TEST_F(OpenFileSession, OneSliderMovedChangesOnlyItsRecord) {
    MakeWithTheTool();
    auto& app = StartOnTheFile();
    app.DragSliderThumb(IDC_SLIDER_CD, -400);  // to the top: CD's limit, +0.0 dB
    const auto records = SaveAndRead(app);
    ASSERT_TRUE(records.has_value());
    ExpectOnlyRecords(*records, {{Entry::MasterVolume, 0x8505}, {Entry::CDVolume, 0x0808},
                                 {Entry::RecordSelect, 0x0404}, {Entry::SpdifMute, 1}, {Entry::DisableAUX, 1}});
}

TEST_F(OpenFileSession, ABadFileIsToldAndLeftAlone) {
    WithOldFile();  // 584 bytes of 0x5A: present flags the driver would misread
    auto& app = Start(L"corvaset.dat");
    const auto box = app.AnswerBox();
    ASSERT_TRUE(box.has_value());
    EXPECT_NE(box->text.find(L"is not a valid customization file"), std::wstring::npos) << box->text;
    EXPECT_TRUE(box->iconShown);
    EXPECT_EQ(app.Text(IDC_DEFTEXT_MASTER), L"-6.0");
    EXPECT_FALSE(app.IsChecked(IDC_MUTE_MASTER));
    app.Click(IDCANCEL);
    EXPECT_TRUE(app.WaitForExit());
    ExpectOldFileUntouched();
}
