#include "toolkit/staged_ini_store.h"

#include <windows.h>

#include <optional>

#include "toolkit/handles.h"
#include "toolkit/profile_ini_store.h"
#include "toolkit/win_text.h"

namespace orvanta::toolkit {

namespace {

constexpr std::string_view kUtf16Bom = "\xFF\xFE";
constexpr int kStagingNameTries = 100;

// CreateFileW fails with INVALID_HANDLE_VALUE, not the null handle that the owner takes for none.
UniqueKernelHandle OpenFile(const std::wstring& path, DWORD access, DWORD share, DWORD disposition) {
    HANDLE file = CreateFileW(path.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    return UniqueKernelHandle(file == INVALID_HANDLE_VALUE ? nullptr : file);
}

bool IsUtf16File(std::string_view bytes) {
    return bytes.substr(0, kUtf16Bom.size()) == kUtf16Bom;
}

// The whole file; empty text for a file that is not there, nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::wstring& path) {
    const UniqueKernelHandle file = OpenFile(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
    if (!file) {
        return GetLastError() == ERROR_FILE_NOT_FOUND ? std::optional<std::string>("") : std::nullopt;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size) || size.HighPart != 0 || size.LowPart > 0x7FFFFFFF) {
        return std::nullopt;
    }
    std::string bytes(size.LowPart, '\0');
    DWORD read = 0;
    if (!bytes.empty() && (!ReadFile(file.Get(), bytes.data(), size.LowPart, &read, nullptr) || read != size.LowPart)) {
        return std::nullopt;
    }
    return bytes;
}

bool WriteWholeFile(HANDLE file, std::string_view bytes) {
    DWORD written = 0;
    return SetFilePointer(file, 0, nullptr, FILE_BEGIN) == 0 && SetEndOfFile(file) &&
           (bytes.empty() || (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                              written == bytes.size()));
}

// Best-fit mapping would turn "ł" into "l" without a word: only an exact fit counts.
bool FitsAnsiCodePage(const std::wstring& text) {
    if (text.empty()) {
        return true;
    }
    BOOL usedDefault = FALSE;
    const int size = static_cast<int>(text.size());
    return WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.c_str(), size, nullptr, 0, nullptr, &usedDefault) >
               0 &&
           !usedDefault;
}

std::string Utf16FileFromAnsi(std::string_view ansi) {
    std::wstring wide(ansi.size(), L'\0');
    const int length = ansi.empty() ? 0
                                    : MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()),
                                                          wide.data(), static_cast<int>(wide.size()));
    wide.resize(static_cast<std::size_t>(length));
    std::string bytes(kUtf16Bom);
    bytes.append(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t));
    return bytes;
}

// The profile functions may keep a file's contents in memory; this writes them out and lets go,
// so that what is on disk is all there is. The call answers FALSE whatever it did.
void ReleaseProfileCache(const std::wstring& path) {
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, path.c_str());
}

}  // namespace

StagedIniStore::StagedIniStore(std::string path, std::string section)
    : path_(std::move(path)), widePath_(Widen(path_)), section_(std::move(section)), wideSection_(Widen(section_)) {}

StagedIniStore::~StagedIniStore() {
    Discard();
}

std::string StagedIniStore::ReadString(std::string_view key, std::string_view defaultValue) {
    return ProfileIniStore(staging_.empty() ? path_ : Narrow(staging_), section_).ReadString(key, defaultValue);
}

bool StagedIniStore::WriteString(std::string_view key, std::string_view value) {
    if (failed_ || (staging_.empty() && !Stage())) {
        failed_ = true;
        return false;
    }
    const std::wstring wideKey = Widen(key);
    const std::wstring wideValue = Widen(value);
    if (!unicode_ && !(FitsAnsiCodePage(wideKey) && FitsAnsiCodePage(wideValue)) && !ConvertStagingToUnicode()) {
        failed_ = true;
        return false;
    }
    if (!WritePrivateProfileStringW(wideSection_.c_str(), wideKey.c_str(), wideValue.c_str(), staging_.c_str())) {
        failed_ = true;
        return false;
    }
    return true;
}

bool StagedIniStore::DeleteKey(std::string_view key) {
    if (failed_ || (staging_.empty() && !Stage())) {
        failed_ = true;
        return false;
    }
    if (!ProfileIniStore(Narrow(staging_), section_).DeleteKey(key)) {
        failed_ = true;
        return false;
    }
    return true;
}

bool StagedIniStore::Commit() {
    if (failed_) {
        Discard();
        return false;
    }
    if (staging_.empty()) {
        return true;
    }
    ReleaseProfileCache(staging_);
    // On disk before it takes the live file's place, so that a crash leaves one whole file or
    // the other.
    UniqueKernelHandle staged = OpenFile(staging_, GENERIC_WRITE, 0, OPEN_EXISTING);
    const bool flushed = staged && FlushFileBuffers(staged.Get());
    staged.Reset();
    if (!flushed || !ReplaceLiveFile()) {
        failed_ = true;
        Discard();
        return false;
    }
    staging_.clear();
    return true;
}

// The temporary file is named after the live one, in its folder, so that both are on one volume
// and the replacement is a rename.
bool StagedIniStore::Stage() {
    const std::optional<std::string> live = ReadWholeFile(widePath_);
    if (!live) {
        return false;
    }
    for (int attempt = 0; attempt < kStagingNameTries; ++attempt) {
        const std::wstring candidate = widePath_ + L"." + Widen(std::to_string(GetCurrentProcessId())) + L"-" +
                                       Widen(std::to_string(attempt)) + L".tmp";
        UniqueKernelHandle file = OpenFile(candidate, GENERIC_WRITE, 0, CREATE_NEW);
        if (!file) {
            if (GetLastError() == ERROR_FILE_EXISTS) {
                continue;
            }
            return false;
        }
        staging_ = candidate;
        unicode_ = IsUtf16File(*live);
        if (!WriteWholeFile(file.Get(), *live)) {
            file.Reset();
            Discard();
            return false;
        }
        return true;
    }
    return false;
}

bool StagedIniStore::ConvertStagingToUnicode() {
    ReleaseProfileCache(staging_);
    const std::optional<std::string> ansi = ReadWholeFile(staging_);
    const UniqueKernelHandle file = OpenFile(staging_, GENERIC_WRITE, 0, OPEN_EXISTING);
    unicode_ = ansi && file && WriteWholeFile(file.Get(), Utf16FileFromAnsi(*ansi));
    return unicode_;
}

bool StagedIniStore::ReplaceLiveFile() {
    const DWORD liveAttributes = GetFileAttributesW(widePath_.c_str());
    constexpr DWORD kMoveFlags = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
    if (liveAttributes == INVALID_FILE_ATTRIBUTES) {
        return GetLastError() == ERROR_FILE_NOT_FOUND && MoveFileExW(staging_.c_str(), widePath_.c_str(), kMoveFlags);
    }
    // ReplaceFileW carries the live file's attributes over on Windows, but not under Wine; given
    // to the new file beforehand, they hold on both. A read-only live file is the user's word
    // that it must not change: the replacement is refused then, as it should be.
    if (!SetFileAttributesW(staging_.c_str(), liveAttributes & ~FILE_ATTRIBUTE_READONLY)) {
        return false;
    }
    if (ReplaceFileW(widePath_.c_str(), staging_.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
        return true;
    }
    // Some file systems (and shares) have no ReplaceFileW; there a rename over the live file does
    // the same in one step.
    const DWORD error = GetLastError();
    return (error == ERROR_NOT_SUPPORTED || error == ERROR_INVALID_FUNCTION || error == ERROR_INVALID_PARAMETER) &&
           (liveAttributes & FILE_ATTRIBUTE_READONLY) == 0 &&
           MoveFileExW(staging_.c_str(), widePath_.c_str(), kMoveFlags);
}

void StagedIniStore::Discard() {
    if (staging_.empty()) {
        return;
    }
    ReleaseProfileCache(staging_);
    // A file someone else holds open stays until the next try, at the latest the destructor's.
    if (DeleteFileW(staging_.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND) {
        staging_.clear();
    }
}

}  // namespace orvanta::toolkit
