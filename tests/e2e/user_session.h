// A scratch folder in which corvaset.exe is started and used as a user would.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <optional>
#include <stdexcept>

#include "custom/custom_file.h"
#include "tests/e2e/app_driver.h"

using test_support::ScratchDir;

inline const std::vector<std::uint8_t> kOldBytes(584, 0x5A);

class UserSession : public ::testing::Test {
protected:
    void SetUp() override {
        exe = test_support::WindowsPathFromEnv("CORVASET_EXE");
        if (exe.empty()) GTEST_SKIP() << "CORVASET_EXE is not set: run through ctest";
        UseFolder(folder.Path());
    }

    // Runs the session in `path` instead of the scratch folder.
    void UseFolder(const std::wstring& path) {
        workDir = path;
        datPath = path + L"\\corvaset.dat";
    }

    // Starts the program in the session's folder, ending the one started
    // before. When its settings dialog does not appear the test fails and
    // ends here: GoogleTest reports the exception as the failure.
    AppDriver& Start(const std::wstring& arguments = L"") {
        running = std::make_unique<AppDriver>(exe, workDir, arguments);
        if (running->Dialog() == nullptr) throw std::runtime_error("the settings dialog did not appear");
        return *running;
    }

    void WithOldFile() {
        ASSERT_TRUE(test_support::WriteFileBytes(datPath, kOldBytes));
        RememberOldFile();
    }
    // Notes the old file's time, which a failed or cancelled save keeps.
    void RememberOldFile() { oldTime = test_support::LastWriteTime(datPath); }

    // Presses "Save" over a corvaset.dat the program did not open and
    // answers the question that names it.
    void SaveOverUnseenFile(AppDriver& app, int answer) {
        app.Click(IDOK);
        const auto box = app.AnswerBox(10000, answer);
        ASSERT_TRUE(box.has_value());
        EXPECT_EQ(box->text, datPath + L" already exists, and it was not opened here.\n\n"
                                       L"Replace it? The customizations it holds are then lost.");
        EXPECT_TRUE(box->iconShown);
    }

    // Presses "Save" (over an unseen corvaset.dat: answers Yes), expects the
    // success box, and returns the file's records.
    std::optional<custom::CustomFileRecords> SaveAndRead(AppDriver& app, bool overUnseenFile = false) {
        if (overUnseenFile) SaveOverUnseenFile(app, IDYES);
        else app.Click(IDOK);
        const auto box = app.AnswerBox();
        EXPECT_TRUE(box.has_value());
        if (!box) return std::nullopt;
        EXPECT_EQ(box->caption, L"SUCCESS");
        EXPECT_TRUE(box->iconShown);
        EXPECT_TRUE(app.WaitForExit());
        const auto bytes = test_support::ReadFileBytes(datPath);
        EXPECT_TRUE(bytes.has_value());
        if (!bytes) return std::nullopt;
        return custom::DecodeCustomFile(bytes->data(), bytes->size());
    }

    // Presses "Save" and expects that there is nothing to save.
    void SaveExpectingNothing(AppDriver& app) {
        app.Click(IDOK);
        const auto box = app.AnswerBox();
        ASSERT_TRUE(box.has_value());
        EXPECT_EQ(box->text, L"No customized feature!");
        EXPECT_TRUE(app.WaitForExit());
    }

    void ExpectOldFileUntouched() {
        EXPECT_EQ(test_support::ReadFileBytes(datPath), kOldBytes);
        const FILETIME now = test_support::LastWriteTime(datPath);
        EXPECT_TRUE(now.dwLowDateTime == oldTime.dwLowDateTime && now.dwHighDateTime == oldTime.dwHighDateTime);
        EXPECT_EQ(test_support::ListFolder(workDir), std::vector<std::wstring>{L"corvaset.dat"});
    }

    std::wstring exe;
    ScratchDir folder{L"corvaset-e2e"};
    std::wstring workDir;
    std::wstring datPath;
    FILETIME oldTime{};
    std::unique_ptr<AppDriver> running;  // the program Start started last
};


// Every record of `records` is absent except those listed with their values.
inline void ExpectOnlyRecords(const custom::CustomFileRecords& records,
                              std::initializer_list<std::pair<custom::Entry, std::uint32_t>> present) {
    for (std::size_t i = 0; i < custom::kEntryCount; ++i) {
        std::optional<std::uint32_t> expected;
        for (const auto& [entry, value] : present)
            if (custom::IndexOf(entry) == i) expected = value;
        EXPECT_EQ(records[i].present, expected ? 1u : 0u) << custom::DefaultEntryTable[i].key;
        EXPECT_EQ(records[i].value, expected.value_or(0)) << custom::DefaultEntryTable[i].key;
    }
}
