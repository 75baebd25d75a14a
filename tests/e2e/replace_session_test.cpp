// "Save" never replaces a package the user has not seen: a corvaset.dat the
// program did not open is asked about first, naming it.
#include "res/resource.h"
#include "tests/e2e/user_session.h"

using custom::Entry;

TEST_F(UserSession, SaveAsksBeforeReplacingAFileItDidNotOpen) {
    WithOldFile();
    auto& app = Start();
    app.Click(IDC_MUTE_MASTER);
    const struct { const char* name; int answer; } kAnswers[] = {
        {"No: back to the dialog with the edit, the file as it was", IDNO},
        {"Yes: replaced", IDYES},
    };
    for (const auto& a : kAnswers) {
        SCOPED_TRACE(a.name);
        SaveOverUnseenFile(app, a.answer);
        if (a.answer != IDNO) continue;
        EXPECT_FALSE(app.WaitForExit(300)) << "the dialog stays open";
        EXPECT_TRUE(app.IsChecked(IDC_MUTE_MASTER)) << "with the edit";
        ExpectOldFileUntouched();
    }
    const auto done = app.AnswerBox();
    ASSERT_TRUE(done.has_value());
    EXPECT_EQ(done->caption, L"SUCCESS");
    EXPECT_TRUE(app.WaitForExit());
    const auto bytes = test_support::ReadFileBytes(datPath);
    ASSERT_TRUE(bytes.has_value());
    const auto records = custom::DecodeCustomFile(bytes->data(), bytes->size());
    ASSERT_TRUE(records.has_value());
    ExpectOnlyRecords(*records, {{Entry::MasterVolume, 0x8404}});
}

// "Save As..." in the system menu: a name typed without its extension, or
// ending in a dot, gets ".dat", the file is written there at once, the box
// names it, and the dialog stays on it. Over a file that is there, one
// question is asked: the Save dialog's own, or, when the Save dialog asked
// about the name without ".dat", the program's.
TEST_F(UserSession, SaveAsFromTheSystemMenuWritesTheNewName) {
    const struct { bool existing; const wchar_t* typed; bool programAsks; } kCases[] = {
        {false, L"model7.", false}, {true, L"model7", false}, {true, L"model7.", true}};
    for (const auto& [existing, typed, programAsks] : kCases) {
        SCOPED_TRACE(::testing::Message() << (existing ? "over a file that is there: " : "a new file: ") << typed);
        if (existing) {
            ASSERT_TRUE(test_support::WriteFileBytes(folder.File(L"model7.dat"), {1, 2, 3}));
        }
        auto& app = Start();
        app.Click(IDC_MUTE_MASTER);
        app.ChooseSystemMenuItem('V');  // "Sa&ve As..."
        ASSERT_TRUE(app.ChooseFileByName(typed));
        if (existing) {
            const auto replace = app.AnswerBox(5000, IDYES);
            ASSERT_TRUE(replace.has_value());
            EXPECT_NE(replace->text.find(L"already exists"), std::wstring::npos) << replace->text;
            EXPECT_EQ(replace->text.find(L"not opened here") != std::wstring::npos, programAsks) << replace->text;
            // The Save dialog closes, then the file is written and told.
            // Looked at without opening it: under Wine a file open anywhere cannot be replaced.
            const auto written = [&] {
                WIN32_FILE_ATTRIBUTE_DATA file{};
                return ::GetFileAttributesExW(folder.File(L"model7.dat").c_str(), GetFileExInfoStandard, &file) &&
                       file.nFileSizeLow == 584;
            };
            for (int i = 0; i < 500 && !written(); ++i) ::Sleep(10);
        }
        const auto done = app.AnswerBox();
        ASSERT_TRUE(done.has_value());
        EXPECT_EQ(done->text, L"Create customized file successfully!\n"
                              L"Please copy the customized file, " + folder.File(L"model7.dat") +
                                  L", into the driver directories of package to enable customized features.\n"
                                  L"Please make sure your driver version is 5.10.3570 or later.\n"
                                  L"\"Enable 48K SPDIF\" is only supported with 5.10.3590 or later.");
        // The dialog stays on the new file: Save writes there again, asking nothing.
        EXPECT_FALSE(app.WaitForExit(300));
        app.Click(IDC_MUTE_AUX);
        app.Click(IDOK);
        const auto again = app.AnswerBox();
        ASSERT_TRUE(again.has_value());
        EXPECT_EQ(again->caption, L"SUCCESS");
        EXPECT_TRUE(app.WaitForExit());
        EXPECT_EQ(test_support::ListFolder(folder.Path()), std::vector<std::wstring>{L"model7.dat"});
        const auto bytes = test_support::ReadFileBytes(folder.File(L"model7.dat"));
        ASSERT_TRUE(bytes.has_value());
        const auto records = custom::DecodeCustomFile(bytes->data(), bytes->size());
        ASSERT_TRUE(records.has_value());
        ExpectOnlyRecords(*records, {{Entry::MasterVolume, 0x8404}, {Entry::AUXVolume, 0x8404}});
    }
}
