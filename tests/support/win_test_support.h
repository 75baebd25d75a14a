// Helpers shared by the tests that run under Wine: reading and answering the
// dialogs a program shows, scratch folders and file bytes.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace test_support {

enum class BoxIcon { None, Stop, Information, Other };

// What a user sees in a message box or another small dialog.
struct SeenBox {
    std::wstring caption;
    std::wstring text;  // a message box's text, or a dialog's static texts joined by "\n"
    bool isMessageBox = false;
    bool iconShown = false;
    BoxIcon icon = BoxIcon::None;  // exact only for boxes of this process
    RECT place{};                  // where it showed, on the screen
};

std::wstring WindowText(HWND hwnd);
std::wstring ClassName(HWND hwnd);

// The first visible dialog window of `threadId` other than `except`.
HWND FindDialogOfThread(DWORD threadId, HWND except);
SeenBox ReadBox(HWND box);
// Presses the box's OK button (IDOK), as a click on it would.
void PressOk(HWND box);

// Waits up to `timeoutMs` for a dialog of `threadId` other than `except`,
// reads it and presses its OK (or the button `answer`, e.g. IDYES or IDNO).
std::optional<SeenBox> AnswerNextBox(DWORD threadId, HWND except, DWORD timeoutMs, int answer = IDOK);

// Answers, on a thread of its own, every box that `threadId` shows while
// the answerer lives. For boxes shown by the test's own thread.
class BoxAnswerer {
public:
    // `answers` are the buttons pressed on the first boxes, in order; every
    // other box gets OK.
    BoxAnswerer(DWORD threadId, HWND except, std::vector<int> answers = {});
    ~BoxAnswerer();
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;

    // Stops answering and returns the boxes seen, in order.
    std::vector<SeenBox> Finish();

private:
    std::mutex m_mutex;
    std::vector<SeenBox> m_seen;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

// A new empty folder under the temporary folder, removed with its contents.
class ScratchDir {
public:
    explicit ScratchDir(const std::wstring& prefix = L"corvaset-test");
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::wstring& Path() const { return m_path; }
    std::wstring File(const std::wstring& name) const { return m_path + L"\\" + name; }

private:
    std::wstring m_path;
};

void RemoveTree(const std::wstring& path);
std::vector<std::wstring> ListFolder(const std::wstring& folder);
bool FileExists(const std::wstring& path);
std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::wstring& path);
bool WriteFileBytes(const std::wstring& path, const std::vector<std::uint8_t>& bytes);
FILETIME LastWriteTime(const std::wstring& path);

// Fills the disk that holds `folder` with a file named "filler" until not
// one more byte fits. Returns the filler's path, or "" if it could not start.
std::wstring FillDisk(const std::wstring& folder);

// The folder of the tiny disk the test runner mounts for full-disk tests, or
// why there is none (then `reason` is set and the folder is empty).
std::wstring FullDiskFolder(std::string& reason);

// A path from the environment, which may be a Unix path, as Windows sees it.
std::wstring WindowsPathFromEnv(const char* variable);

// Makes the current directory `path` for the life of the object.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const std::wstring& path);
    ~CurrentDirectory();
    CurrentDirectory(const CurrentDirectory&) = delete;
    CurrentDirectory& operator=(const CurrentDirectory&) = delete;

private:
    std::wstring m_previous;
};

}  // namespace test_support
