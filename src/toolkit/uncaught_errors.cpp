#include "toolkit/uncaught_errors.h"

#include <windows.h>

#include <utility>

#include "toolkit/win_text.h"

namespace orvanta::toolkit {

UncaughtErrors::UncaughtErrors(ShowError show) : show_(std::move(show)) {}

void UncaughtErrors::Report(const std::string& text) {
    if (boxOpen_) {
        ++countedWhileOpen_;
        return;
    }
    boxOpen_ = true;
    try {
        show_(text);
    } catch (...) {
        boxOpen_ = false;
        throw;
    }
    boxOpen_ = false;
}

void ShowErrorInMessageBox(const std::string& text) {
    MessageBoxW(GetActiveWindow(), Widen(text).c_str(), L"Error", MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

}  // namespace orvanta::toolkit
