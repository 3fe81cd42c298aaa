#include "toolkit/uncaught_errors.h"

#include <windows.h>

#include <exception>
#include <utility>

#include "toolkit/win_text.h"

namespace orvanta::toolkit {

UncaughtErrors::UncaughtErrors(ShowError show) : show_(std::move(show)) {}

void UncaughtErrors::Report(std::string_view text) noexcept {
    if (boxOpen_) {
        ++countedWhileOpen_;
        return;
    }
    boxOpen_ = true;
    try {
        show_(std::string(text));
    } catch (...) {
        // Our own box could not be made (no memory, no window left): the plainest box the system
        // has, then the debug output. Nothing here may throw again.
        ShowWithoutOurBox(text);
    }
    boxOpen_ = false;
}

void UncaughtErrors::ReportCurrentException(std::string_view where) noexcept {
    try {
        throw;
    } catch (const std::exception& error) {
        Report(error.what());
    } catch (...) {
        try {
            Report(where.empty() ? std::string("Unknown error") : "Unknown error in " + std::string(where));
        } catch (...) {
            Report("Unknown error");
        }
    }
}

void UncaughtErrors::ShowWithoutOurBox(std::string_view text) noexcept {
    std::wstring wide;
    try {
        wide = Widen(text);
    } catch (...) {
        wide = L"Unknown error";
    }
    if (MessageBoxW(GetActiveWindow(), wide.c_str(), L"Error", MB_OK | MB_ICONERROR | MB_TASKMODAL) == 0) {
        OutputDebugStringW(wide.c_str());
    }
}

void ShowErrorInMessageBox(const std::string& text) {
    MessageBoxW(GetActiveWindow(), Widen(text).c_str(), L"Error", MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

}  // namespace orvanta::toolkit
