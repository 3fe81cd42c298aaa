#include "test_support.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/main_form_win.h"
#include "toolkit/win_text.h"

namespace orvanta::testing {

DialogButton ScriptedDialogs::Show(MessageKind kind,
                                   std::string_view text,
                                   ButtonSet buttons,
                                   DialogButton defaultButton) {
    shown.push_back({kind, std::string(text), buttons, defaultButton});
    if (answers.empty()) {
        return defaultButton;
    }
    const DialogButton answer = answers.front();
    answers.pop_front();
    return answer;
}

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
            path_ = toolkit::Narrow(candidate);
            return;
        }
    }
}

TempFolder::~TempFolder() {
    RemoveTree(toolkit::Widen(path_));
}

void PumpPending() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        PumpPending();
        if (condition()) {
            return true;
        }
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min<DWORD>(timeoutMs - elapsed, 20), QS_ALLINPUT);
    }
}

namespace {

struct ModalScript {
    std::function<bool()> isOpen;
    std::function<void()> whileOpen;
    bool ran = false;
    DWORD deadline = 0;
};
ModalScript* activeScript = nullptr;

void CALLBACK ModalScriptTick(HWND, UINT, UINT_PTR timer, DWORD) {
    ModalScript* script = activeScript;
    if (script == nullptr || script->ran) {
        KillTimer(nullptr, timer);
        return;
    }
    if (script->isOpen()) {
        KillTimer(nullptr, timer);
        script->ran = true;
        script->whileOpen();
    } else if (GetTickCount() > script->deadline) {
        KillTimer(nullptr, timer);
    }
}

}  // namespace

bool RunModal(const std::function<void()>& open,
              const std::function<bool()>& isOpen,
              const std::function<void()>& whileOpen,
              DWORD timeoutMs) {
    ModalScript script{isOpen, whileOpen, false, GetTickCount() + timeoutMs};
    activeScript = &script;
    // A thread timer fires in whatever message loop runs, the modal window's included.
    SetTimer(nullptr, 0, 10, &ModalScriptTick);
    open();
    activeScript = nullptr;
    return script.ran;
}

LocalDateTime TestMoment() {
    return *LocalDateTime::FromParts({2026, 12, 7, 13, 20, 5, 0});
}

RegionalFormats TestFormats() {
    RegionalFormats formats;
    formats.clock24Hour = true;
    formats.hourLeadingZero = false;
    formats.shortDatePicture = "M/d/yyyy";
    return formats;
}

std::string ReadTextFile(const std::string& path) {
    std::ifstream file(std::filesystem::path(toolkit::Widen(path)), std::ios::binary);
    std::ostringstream contents;
    contents << file.rdbuf();
    return contents.str();
}

void WriteTextFile(const std::string& path, const std::string& contents) {
    std::ofstream file(std::filesystem::path(toolkit::Widen(path)), std::ios::binary | std::ios::trunc);
    file << contents;
}

bool FileExists(const std::string& path) {
    return GetFileAttributesW(toolkit::Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

AppTest::AppTest() = default;

AppTest::~AppTest() {
    app_.reset();
    PumpPending();
}

OrvantaApp& AppTest::CreateApp() {
    AppPorts ports;
    ports.executablePath = ExecutablePath();
    ports.clock = [this] { return now_; };
    ports.regionalFormats = [this] { return formats_; };
    ports.dialogs = &dialogs_;
    ports.startupShowState = startupShowState_;
    app_ = std::make_unique<OrvantaApp>(std::move(ports));
    return *app_;
}

OrvantaApp& AppTest::StartApp() {
    CreateApp();
    app_->ShowMainForm();
    return *app_;
}

void AppTest::WaitForFirstTick() {
    auto& main = app_->MainForm();
    ASSERT_TRUE(PumpUntil([&main] { return main.FormActivate_Already_Run_CheckBox; }));
}

}  // namespace orvanta::testing
