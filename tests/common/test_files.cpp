#include "test_files.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "toolkit/win_text.h"

namespace orvanta::testing {

namespace {

void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW entry{};
    HANDLE search = FindFirstFileW((folder + L"*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") {
                continue;
            }
            const std::wstring path = folder + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path + L"\\");
            } else {
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

}  // namespace

TempFolder::TempFolder() {
    wchar_t base[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, base);
    static unsigned counter = 0;
    for (;;) {
        const std::wstring candidate = std::wstring(base) + L"orvanta-test-" + std::to_wstring(GetCurrentProcessId()) +
                                       L"-" + std::to_wstring(++counter) + L"\\";
        if (CreateDirectoryW(candidate.c_str(), nullptr)) {
            widePath_ = candidate;
            path_ = toolkit::Narrow(candidate);
            return;
        }
    }
}

TempFolder::~TempFolder() {
    RemoveTree(widePath_);
}

std::string ReadFileBytes(const std::wstring& path) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    std::ostringstream contents;
    contents << file.rdbuf();
    return contents.str();
}

std::string ReadFileBytes(const std::string& path) {
    return ReadFileBytes(toolkit::Widen(path));
}

void WriteFileBytes(const std::wstring& path, const std::string& contents) {
    std::ofstream file(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
    file << contents;
}

void WriteFileBytes(const std::string& path, const std::string& contents) {
    WriteFileBytes(toolkit::Widen(path), contents);
}

bool FileExists(const std::string& path) {
    return GetFileAttributesW(toolkit::Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace orvanta::testing
