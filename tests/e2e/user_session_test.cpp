// corvaset.exe started in a scratch folder and used through its window.
#include "tests/e2e/user_session.h"


TEST_F(UserSession, CancelEndsTheProgramWithoutWriting) {
    WithOldFile();
    auto& app = Start();
    app.Click(IDCANCEL);
    EXPECT_TRUE(app.WaitForExit());
    ExpectOldFileUntouched();
}

TEST_F(UserSession, EscapeAndAltF4EndTheProgramWithoutWriting) {
    for (const WORD key : {static_cast<WORD>(VK_ESCAPE), static_cast<WORD>(VK_F4)}) {
        SCOPED_TRACE(key);
        auto& app = Start();
        app.PressKey(key, key == VK_F4);
        EXPECT_TRUE(app.WaitForExit());
        EXPECT_TRUE(test_support::ListFolder(folder.Path()).empty());
    }
}

TEST_F(UserSession, SaveWithNothingChangedSaysSoAndEnds) {
    WithOldFile();
    ::Sleep(20);
    auto& app = Start();
    app.Click(IDOK);
    const auto box = app.AnswerBox();
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->caption, L"corvaset");
    EXPECT_EQ(box->text, L"No customized feature!");
    EXPECT_TRUE(box->isMessageBox);
    EXPECT_FALSE(box->iconShown);
    EXPECT_TRUE(app.WaitForExit());
    ExpectOldFileUntouched();
}

// Options and more than one argument are told, and the dialog starts on
// the factory defaults all the same.
TEST_F(UserSession, EnterActsAsSaveAndAWrongCommandLineIsTold) {
    auto& app = Start(L"/s --save corvaset.dat");
    const auto usage = app.AnswerBox();
    ASSERT_TRUE(usage.has_value());
    EXPECT_EQ(usage->text,
              L"Corvaset opens one customization file: corvaset.exe [FILE].\n"
              L"The settings start from the factory defaults.");
    app.PressKey(VK_RETURN);
    const auto box = app.AnswerBox();
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->text, L"No customized feature!");
    EXPECT_TRUE(app.WaitForExit());
    EXPECT_TRUE(test_support::ListFolder(folder.Path()).empty());
}

TEST_F(UserSession, AboutFromTheSystemMenuReturnsToTheDialog) {
    auto& app = Start();
    app.ChooseSystemMenuItem();  // "&About Corvaset...": Wine's own "&About Wine" has its key
    const auto about = app.AnswerBox();
    ASSERT_TRUE(about.has_value());
    EXPECT_EQ(about->caption, L"About Corvaset");
    EXPECT_EQ(about->text, L"Corvaset Version 1.0");
    EXPECT_FALSE(about->isMessageBox);

    EXPECT_FALSE(app.WaitForExit(200));
    EXPECT_TRUE(::IsWindowVisible(app.Dialog()));
    app.Click(IDCANCEL);
    EXPECT_TRUE(app.WaitForExit());
}
