// The things that can stand in the way of writing "corvaset.dat", in one
// table that the dialog's tests and the program's tests both run through:
// each one put in place before "Save", with the box the user is to see, and
// taken away again so that a second "Save" works.
#pragma once

#include <windows.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace test_support {

enum class ObstacleKind { ReadOnlyFile, FolderOfThatName, FileHeldOpen, FullDisk };

struct SaveObstacle {
    const char* name;
    ObstacleKind kind;
    bool oldFileKept;        // an old "corvaset.dat" is there and must keep its bytes
    const wchar_t* caption;  // the box's caption; null: the program's own name
    std::wstring (*text)(const std::wstring& dat);  // the box's text, given the file's full path
};

extern const SaveObstacle kSaveObstacles[4];

void PrintTo(const SaveObstacle& obstacle, std::ostream* os);

// An obstacle in place while the object lives, in the scratch folder or, for
// a full disk, on the tiny disk the test runner mounts. Whatever it holds
// (an open handle, a filler file) is let go however the test ends.
class ObstacleInPlace {
public:
    // Writes `oldBytes` as the old file where the obstacle keeps one, then
    // puts the obstacle in place.
    ObstacleInPlace(const SaveObstacle& obstacle, const std::wstring& scratchFolder,
                    const std::vector<std::uint8_t>& oldBytes);
    ~ObstacleInPlace();
    ObstacleInPlace(const ObstacleInPlace&) = delete;
    ObstacleInPlace& operator=(const ObstacleInPlace&) = delete;

    // Why this machine cannot have the obstacle; empty if it can.
    const std::string& SkipReason() const { return m_skipReason; }
    bool InPlace() const { return m_inPlace; }
    // The folder to save in, and the full path of "corvaset.dat" there.
    const std::wstring& Folder() const { return m_folder; }
    std::wstring Dat() const { return m_folder + L"\\corvaset.dat"; }

    // Takes the obstacle away; the old file, if any, stays.
    void Remove();

private:
    bool Place(const std::vector<std::uint8_t>& oldBytes);

    ObstacleKind m_kind;
    bool m_oldFileKept;
    std::wstring m_folder;
    std::string m_skipReason;
    bool m_inPlace = false;
    HANDLE m_lock = INVALID_HANDLE_VALUE;
    std::wstring m_filler;
};

}  // namespace test_support
