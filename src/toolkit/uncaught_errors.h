#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace orvanta::toolkit {

// Shows an error that no handler caught, one box at a time. The clock keeps ticking inside every
// modal loop, the error box's own included: a tick that fails while the box is open is counted
// here instead of opening a box inside the box.
class UncaughtErrors {
  public:
    using ShowError = std::function<void(const std::string& text)>;
    // `show` opens the error box and returns when it is closed.
    explicit UncaughtErrors(ShowError show);
    UncaughtErrors(const UncaughtErrors&) = delete;
    UncaughtErrors& operator=(const UncaughtErrors&) = delete;

    // Never throws: when the box cannot be shown, a plain message box, and when even that fails,
    // the debugger's output carries the text.
    void Report(std::string_view text) noexcept;
    // Reports the exception being handled, from inside a catch block; `where` names the handler
    // when the exception carries no text of its own.
    void ReportCurrentException(std::string_view where = {}) noexcept;
    bool BoxOpen() const { return boxOpen_; }
    // Errors that came while a box was open, over the whole life of this reporter.
    int CountedWhileOpen() const { return countedWhileOpen_; }

  private:
    static void ShowWithoutOurBox(std::string_view text) noexcept;

    ShowError show_;
    bool boxOpen_ = false;
    int countedWhileOpen_ = 0;
};

// An error box without an application behind it: a plain message box.
void ShowErrorInMessageBox(const std::string& text);

}  // namespace orvanta::toolkit
