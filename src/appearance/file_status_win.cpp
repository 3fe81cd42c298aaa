#include "appearance/file_status_win.h"

#include <windows.h>

#include "appearance/file_status.h"
#include "toolkit/win_text.h"

namespace orvanta {

namespace {

constexpr DWORD kFourAttributes =
    FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;

bool IsFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// Puts the process's error mode back however the scope is left.
class CriticalErrorsFailQuietly {
  public:
    CriticalErrorsFailQuietly() : previous_(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
    CriticalErrorsFailQuietly(const CriticalErrorsFailQuietly&) = delete;
    CriticalErrorsFailQuietly& operator=(const CriticalErrorsFailQuietly&) = delete;
    ~CriticalErrorsFailQuietly() { SetErrorMode(previous_); }

  private:
    UINT previous_;
};

}  // namespace

std::string Get_File_Status(const std::string& fileName) {
    if (fileName.empty()) {
        return kFileStatusNoFile;
    }
    const std::wstring path = toolkit::Widen(fileName);
    if (!IsFile(path)) {
        return kFileStatusNoFile;
    }
    // No system box about a drive that is not ready: the answer is "NOT FOUND" instead.
    const CriticalErrorsFailQuietly quietly;
    // Every name is tested, however long: a file held open by another program must never count
    // as closed.
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return FileStatusOfOpenError(GetLastError());
    }
    CloseHandle(file);
    return kFileStatusClosed;
}

void Set_File_Attributes(const std::string& fileName, bool readOnly, bool archive, bool system, bool hidden) {
    const std::wstring path = toolkit::Widen(fileName);
    const DWORD current = GetFileAttributesW(path.c_str());
    if (current == INVALID_FILE_ATTRIBUTES || (current & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return;
    }
    DWORD wanted = current & ~kFourAttributes;
    wanted |= readOnly ? FILE_ATTRIBUTE_READONLY : 0;
    wanted |= archive ? FILE_ATTRIBUTE_ARCHIVE : 0;
    wanted |= system ? FILE_ATTRIBUTE_SYSTEM : 0;
    wanted |= hidden ? FILE_ATTRIBUTE_HIDDEN : 0;
    SetFileAttributesW(path.c_str(), wanted == 0 ? FILE_ATTRIBUTE_NORMAL : wanted);
}

bool Delete_File_If_Closed(const std::string& fileName) {
    const std::wstring path = toolkit::Widen(fileName);
    if (!IsFile(path)) {
        return false;
    }
    Set_File_Attributes(fileName, false, false, false, false);
    if (Get_File_Status(fileName) != kFileStatusClosed) {
        return false;
    }
    DeleteFileW(path.c_str());
    return !IsFile(path);
}

}  // namespace orvanta
