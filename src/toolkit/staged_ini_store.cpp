#include "toolkit/staged_ini_store.h"

#include <windows.h>

#include <optional>

#include "toolkit/handles.h"
#include "toolkit/profile_ini_store.h"
#include "toolkit/win_text.h"

namespace orvanta::toolkit {

namespace {

constexpr int kStagingNameTries = 100;

// CreateFileW fails with INVALID_HANDLE_VALUE, not the null handle that the owner takes for none.
UniqueKernelHandle OpenFile(const std::wstring& path, DWORD access, DWORD share, DWORD disposition) {
    HANDLE file = CreateFileW(path.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    return UniqueKernelHandle(file == INVALID_HANDLE_VALUE ? nullptr : file);
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

// The ANSI code page as the profile functions use it: they decode with no flags, so a byte the code
// page leaves undefined still gives a character. Best-fit mapping would turn "Ł" into "L" without a
// word: only an exact form counts when encoding.
AnsiCodePage SystemAnsiCodePage() {
    auto decode = [](std::string_view bytes) {
        const int size = static_cast<int>(bytes.size());
        std::u16string text(bytes.size(), u'\0');
        const int length = size == 0 ? 0
                                     : MultiByteToWideChar(CP_ACP, 0, bytes.data(), size,
                                                           reinterpret_cast<wchar_t*>(text.data()), size);
        text.resize(static_cast<std::size_t>(length));
        return text;
    };
    auto encode = [](std::u16string_view text) -> std::optional<std::string> {
        if (text.empty()) {
            return std::string();
        }
        const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
        const int length = static_cast<int>(text.size());
        BOOL usedDefault = FALSE;
        const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, length, nullptr, 0, nullptr, nullptr);
        std::string bytes(static_cast<std::size_t>(size), '\0');
        if (size <= 0 ||
            WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, length, bytes.data(), size, nullptr,
                                &usedDefault) != size ||
            usedDefault) {
            return std::nullopt;
        }
        return bytes;
    };
    return {decode, encode};
}

// The profile functions may keep a file's contents in memory; this writes them out and lets go,
// so that what is on disk is all there is. The call answers FALSE whatever it did.
void ReleaseProfileCache(const std::wstring& path) {
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, path.c_str());
}

}  // namespace

StagedIniStore::StagedIniStore(std::string path, std::string section)
    : path_(std::move(path)),
      widePath_(Widen(path_)),
      section_(std::move(section)),
      wideSection_(Widen(section_)),
      codePage_(SystemAnsiCodePage()) {}

StagedIniStore::~StagedIniStore() {
    Discard();
}

void StagedIniStore::ReadAsSaved() {
    const std::optional<std::string> live = ReadWholeFile(widePath_);
    const IniFileEncoding encoding = live ? IniFileEncodingOf(*live) : IniFileEncoding::Ansi;
    if (staging_.empty() && (encoding == IniFileEncoding::Utf8 || encoding == IniFileEncoding::Utf16Be)) {
        Stage();
    }
}

std::string StagedIniStore::ReadString(std::string_view key, std::string_view defaultValue) {
    return ProfileIniStore(staging_.empty() ? path_ : Narrow(staging_), section_).ReadString(key, defaultValue);
}

bool StagedIniStore::WriteString(std::string_view key, std::string_view value) {
    if (failed_ || (staging_.empty() && !Stage())) {
        failed_ = true;
        return false;
    }
    if (!unicode_ && !FitsAnsiCodePage(Utf16FromUtf8(std::string(key) + "=" + std::string(value)), codePage_) &&
        !ConvertStagingToUnicode()) {
        failed_ = true;
        return false;
    }
    if (!WritePrivateProfileStringW(wideSection_.c_str(), Widen(key).c_str(), Widen(value).c_str(), staging_.c_str())) {
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
        notice_.clear();
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
        notice_.clear();
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
        const ConvertedIniFile staged = StagedIniFile(*live, codePage_);
        unicode_ = staged.unicode;
        NoteWhetherExact(staged);
        if (!WriteWholeFile(file.Get(), staged.bytes)) {
            file.Reset();
            Discard();
            return false;
        }
        return true;
    }
    return false;
}

// The text the profile functions wrote so far, decoded as they decode it, in UTF-16 LE.
bool StagedIniStore::ConvertStagingToUnicode() {
    ReleaseProfileCache(staging_);
    const std::optional<std::string> ansi = ReadWholeFile(staging_);
    const UniqueKernelHandle file = OpenFile(staging_, GENERIC_WRITE, 0, OPEN_EXISTING);
    if (!ansi || !file) {
        return false;
    }
    const ConvertedIniFile converted = ToUtf16LeIniFile(*ansi, codePage_);
    unicode_ = WriteWholeFile(file.Get(), converted.bytes);
    NoteWhetherExact(converted);
    return unicode_;
}

void StagedIniStore::NoteWhetherExact(const ConvertedIniFile& converted) {
    if (!converted.exact) {
        notice_ = UnkeptTextMessage(path_);
    }
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
