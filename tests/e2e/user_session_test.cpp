// corvaset.exe started in a scratch folder and used through its window.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/e2e/app_driver.h"

using test_support::ScratchDir;

namespace {

const std::vector<std::uint8_t> kOldBytes(584, 0x5A);

class UserSession : public ::testing::Test {
protected:
    void SetUp() override {
        exe = test_support::WindowsPathFromEnv("CORVASET_EXE");
        if (exe.empty()) GTEST_SKIP() << "CORVASET_EXE is not set: run through ctest";
        datPath = folder.File(L"corvaset.dat");
    }

    std::unique_ptr<AppDriver> Start(const std::wstring& arguments = L"") {
        auto app = std::make_unique<AppDriver>(exe, folder.Path(), arguments);
        EXPECT_NE(app->Dialog(), nullptr) << "the settings dialog did not appear";
        return app;
    }

    void WithOldFile() {
        ASSERT_TRUE(test_support::WriteFileBytes(datPath, kOldBytes));
        oldTime = test_support::LastWriteTime(datPath);
    }

    void ExpectOldFileUntouched() {
        EXPECT_EQ(test_support::ReadFileBytes(datPath), kOldBytes);
        const FILETIME now = test_support::LastWriteTime(datPath);
        EXPECT_TRUE(now.dwLowDateTime == oldTime.dwLowDateTime && now.dwHighDateTime == oldTime.dwHighDateTime);
        EXPECT_EQ(test_support::ListFolder(folder.Path()), std::vector<std::wstring>{L"corvaset.dat"});
    }

    std::wstring exe;
    ScratchDir folder{L"corvaset-e2e"};
    std::wstring datPath;
    FILETIME oldTime{};
};

}  // namespace

TEST_F(UserSession, CancelEndsTheProgramWithoutWriting) {
    WithOldFile();
    auto app = Start();
    ASSERT_NE(app->Dialog(), nullptr);
    app->Click(IDCANCEL);
    EXPECT_TRUE(app->WaitForExit());
    ExpectOldFileUntouched();
}

TEST_F(UserSession, EscapeAndAltF4EndTheProgramWithoutWriting) {
    for (const WORD key : {static_cast<WORD>(VK_ESCAPE), static_cast<WORD>(VK_F4)}) {
        SCOPED_TRACE(key);
        auto app = Start();
        ASSERT_NE(app->Dialog(), nullptr);
        app->PressKey(key, key == VK_F4);
        EXPECT_TRUE(app->WaitForExit());
        EXPECT_TRUE(test_support::ListFolder(folder.Path()).empty());
    }
}

TEST_F(UserSession, SaveWithNothingChangedSaysSoAndEnds) {
    WithOldFile();
    ::Sleep(20);
    auto app = Start();
    ASSERT_NE(app->Dialog(), nullptr);
    app->Click(IDOK);
    const auto box = app->AnswerBox();
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->caption, L"corvaset");
    EXPECT_EQ(box->text, L"No customized feature!");
    EXPECT_TRUE(box->isMessageBox);
    EXPECT_FALSE(box->iconShown);
    EXPECT_TRUE(app->WaitForExit());
    ExpectOldFileUntouched();
}

TEST_F(UserSession, EnterActsAsSaveAndCommandLineIsIgnored) {
    auto app = Start(L"/s --save corvaset.dat");
    ASSERT_NE(app->Dialog(), nullptr);
    app->PressKey(VK_RETURN);
    const auto box = app->AnswerBox();
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->text, L"No customized feature!");
    EXPECT_TRUE(app->WaitForExit());
    EXPECT_TRUE(test_support::ListFolder(folder.Path()).empty());
}

TEST_F(UserSession, AboutFromTheSystemMenuReturnsToTheDialog) {
    auto app = Start();
    ASSERT_NE(app->Dialog(), nullptr);
    app->ChooseLastSystemMenuItem();
    const auto about = app->AnswerBox();
    ASSERT_TRUE(about.has_value());
    EXPECT_EQ(about->caption, L"About Corvaset");
    EXPECT_EQ(about->text, L"Corvaset Version 1.0");
    EXPECT_FALSE(about->isMessageBox);

    EXPECT_FALSE(app->WaitForExit(200));
    EXPECT_TRUE(::IsWindowVisible(app->Dialog()));
    app->Click(IDCANCEL);
    EXPECT_TRUE(app->WaitForExit());
}
