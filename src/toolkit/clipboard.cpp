#include "toolkit/clipboard.h"

#include <cstring>

#include "toolkit/win_text.h"

namespace orvanta::toolkit {

namespace {

constexpr int kOpenAttempts = 10;
constexpr DWORD kRetryPauseMs = 20;

// Waits without leaving other programs' messages to our windows unanswered: the program holding
// the clipboard may be waiting for one of them before it lets go.
void WaitAnsweringSentMessages(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    for (DWORD elapsed = 0; elapsed < milliseconds; elapsed = GetTickCount() - start) {
        if (MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - elapsed, QS_SENDMESSAGE) == WAIT_OBJECT_0) {
            MSG message{};
            PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        }
    }
}

// Holds the clipboard open for one scope.
class OpenClipboardScope {
  public:
    [[nodiscard]] explicit OpenClipboardScope(HWND owner) {
        for (int attempt = 0; attempt < kOpenAttempts && !open_; ++attempt) {
            open_ = OpenClipboard(owner) != FALSE;
            if (!open_) {
                WaitAnsweringSentMessages(kRetryPauseMs);
            }
        }
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
    ~OpenClipboardScope() {
        if (open_) {
            CloseClipboard();
        }
    }
    bool IsOpen() const { return open_; }

  private:
    bool open_ = false;
};

}  // namespace

bool SetClipboardText(HWND owner, std::string_view text) {
    const std::wstring wide = Widen(text);
    const SIZE_T bytes = (wide.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr) {
        return false;
    }
    void* target = GlobalLock(memory);
    if (target == nullptr) {
        GlobalFree(memory);
        return false;
    }
    std::memcpy(target, wide.c_str(), bytes);
    GlobalUnlock(memory);

    OpenClipboardScope clipboard(owner);
    if (!clipboard.IsOpen() || !EmptyClipboard() || SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
        GlobalFree(memory);
        return false;
    }
    return true;  // the clipboard owns the memory now
}

std::string ClipboardText(HWND owner) {
    OpenClipboardScope clipboard(owner);
    if (!clipboard.IsOpen()) {
        return {};
    }
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (data == nullptr) {
        return {};
    }
    const auto* text = static_cast<const wchar_t*>(GlobalLock(data));
    if (text == nullptr) {
        return {};
    }
    std::string result = Narrow(text);
    GlobalUnlock(data);
    return result;
}

}  // namespace orvanta::toolkit
