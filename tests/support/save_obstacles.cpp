#include "tests/support/save_obstacles.h"

#include "tests/support/win_test_support.h"

namespace test_support {
namespace {

std::wstring CreateFailed(const std::wstring& dat, const wchar_t* cause) {
    return L"Create customized file failed!\n\n" + dat + L"\n" + cause;
}

}  // namespace

const SaveObstacle kSaveObstacles[4] = {
    {"ReadOnlyFile", ObstacleKind::ReadOnlyFile, true, L"ERROR",
     [](const std::wstring& dat) { return CreateFailed(dat, L"The file is read-only."); }},
    {"FolderOfThatName", ObstacleKind::FolderOfThatName, false, L"ERROR",
     [](const std::wstring& dat) { return CreateFailed(dat, L"It is a folder."); }},
    {"FileHeldOpenWithoutSharing", ObstacleKind::FileHeldOpen, true, L"ERROR",
     [](const std::wstring& dat) { return CreateFailed(dat, L"Sharing violation."); }},
    {"FullDisk", ObstacleKind::FullDisk, true, nullptr,
     [](const std::wstring& dat) { return L"Disk full while accessing " + dat + L".\n\nDisk full."; }},
};

void PrintTo(const SaveObstacle& obstacle, std::ostream* os) { *os << obstacle.name; }

ObstacleInPlace::ObstacleInPlace(const SaveObstacle& obstacle, const std::wstring& scratchFolder,
                                 const std::vector<std::uint8_t>& oldBytes)
    : m_kind(obstacle.kind), m_oldFileKept(obstacle.oldFileKept), m_folder(scratchFolder) {
    if (m_kind == ObstacleKind::FullDisk) m_folder = FullDiskFolder(m_skipReason);
    if (m_skipReason.empty()) m_inPlace = Place(oldBytes);
}

bool ObstacleInPlace::Place(const std::vector<std::uint8_t>& oldBytes) {
    const std::wstring dat = Dat();
    if (m_oldFileKept && !WriteFileBytes(dat, oldBytes)) return false;
    switch (m_kind) {
        case ObstacleKind::ReadOnlyFile:
            return ::SetFileAttributesW(dat.c_str(), FILE_ATTRIBUTE_READONLY) != FALSE;
        case ObstacleKind::FolderOfThatName:
            return ::CreateDirectoryW(dat.c_str(), nullptr) != FALSE;
        case ObstacleKind::FileHeldOpen:
            m_lock = ::CreateFileW(dat.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
            return m_lock != INVALID_HANDLE_VALUE;
        case ObstacleKind::FullDisk:
            m_filler = FillDisk(m_folder);
            return !m_filler.empty();
    }
    return false;
}

void ObstacleInPlace::Remove() {
    if (!m_inPlace) return;
    m_inPlace = false;
    const std::wstring dat = Dat();
    switch (m_kind) {
        case ObstacleKind::ReadOnlyFile: ::SetFileAttributesW(dat.c_str(), FILE_ATTRIBUTE_NORMAL); break;
        case ObstacleKind::FolderOfThatName: ::RemoveDirectoryW(dat.c_str()); break;
        case ObstacleKind::FileHeldOpen: ::CloseHandle(m_lock); break;
        case ObstacleKind::FullDisk: ::DeleteFileW(m_filler.c_str()); break;
    }
}

ObstacleInPlace::~ObstacleInPlace() {
    Remove();
    // The full disk is shared by every test that needs one: leave it empty.
    if (m_kind == ObstacleKind::FullDisk && m_skipReason.empty()) {
        RemoveTree(m_folder + L"\\filler");
        RemoveTree(Dat());
    }
}

}  // namespace test_support
