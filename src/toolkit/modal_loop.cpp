// Showing and closing a form, and the nested message loop of a modal one.

#include "toolkit/form.h"
#include "toolkit/window_frame.h"

namespace orvanta::toolkit {

using forms::Event;
using forms::ModalResult;

void Form::Show() {
    if (Showing()) {
        return;
    }
    if (description_.placement == forms::Placement::ScreenCenter) {
        HWND reference = owner_ != nullptr ? owner_ : window_;
        MONITORINFO monitor{};
        monitor.cbSize = sizeof(monitor);
        GetMonitorInfoW(MonitorFromWindow(reference, MONITOR_DEFAULTTOPRIMARY), &monitor);
        RECT bounds{};
        GetWindowRect(window_, &bounds);
        const int width = bounds.right - bounds.left;
        const int height = bounds.bottom - bounds.top;
        // Centred on the whole screen the main window is on, as a user with two monitors expects.
        const RECT& area = monitor.rcMonitor;
        SetWindowPos(window_, nullptr, area.left + (area.right - area.left - width) / 2,
                     area.top + (area.bottom - area.top - height) / 2, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RunHandler(EventHandler(Event::Show));
    if (!IsWindowVisible(window_)) {
        if (owner_ != nullptr) {
            SetWindowLongPtrW(window_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner_));
            // Above a topmost owner only from the topmost band.
            SetTopmost(window_, IsTopmost(owner_));
        }
        ShowWindow(window_, SW_SHOW);
    }
}

void Form::Hide() {
    if (window_ != nullptr && IsWindowVisible(window_)) {
        ShowWindow(window_, SW_HIDE);
        if (owner_ != nullptr) {
            SetWindowLongPtrW(window_, GWLP_HWNDPARENT, 0);
            SetTopmost(window_, false);
        }
    }
}

bool Form::Showing() const {
    return window_ != nullptr && IsWindowVisible(window_) != FALSE;
}

ModalResult Form::ShowModal() {
    if (inModalLoop_) {
        SetForegroundWindow(window_);
        return ModalResult::None;
    }
    HWND owner = owner_;
    modalResult_ = ModalResult::None;
    inModalLoop_ = true;
    // The owner is disabled first, so that nothing the showing and activation do (a message box,
    // say) leaves it open to clicks.
    const bool disableOwner = owner != nullptr && IsWindowEnabled(owner);
    if (disableOwner) {
        EnableWindow(owner, FALSE);
    }
    Show();
    Control* focus = everShown_ ? lastFocus_ : FindComponent(description_.activeControl);
    everShown_ = true;
    if (focus != nullptr && IsWindowVisible(focus->Handle())) {
        focus->SetFocus();
    } else {
        ::SetFocus(window_);
    }
    RunHandler(EventHandler(Event::Activate));
    MSG message{};
    while (modalResult_ == ModalResult::None && window_ != nullptr && IsWindowVisible(window_)) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            // Leave the quit request for the outer loop.
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (got == -1) {
            break;
        }
        if (!PreTranslate(message) && !IsDialogMessageW(window_, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    // The owner is enabled before this window hides, so that activation returns to it.
    if (disableOwner) {
        EnableWindow(owner, TRUE);
    }
    if (window_ != nullptr) {
        HWND focused = GetFocus();
        for (const auto& control : components_) {
            if (control->Handle() == focused) {
                lastFocus_ = control.get();
            }
        }
        Hide();
        if (owner != nullptr) {
            SetActiveWindow(owner);
        }
    }
    inModalLoop_ = false;
    RunHandler(EventHandler(Event::Close));
    return modalResult_ == ModalResult::None ? description_.cancelResult : modalResult_;
}

void Form::EndModal(ModalResult result) {
    modalResult_ = result;
    if (!inModalLoop_) {
        Hide();
    }
}

void Form::Close() {
    OnClose();
}

void Form::OnClose() {
    EventArgs args;
    if (!RunHandler(EventHandler(Event::CloseQuery), args) || !args.canClose) {
        return;
    }
    if (endsApplication_) {
        DestroyWindow(window_);
    } else {
        EndModal(description_.cancelResult);
    }
}

void ProcessPendingMessages() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// Keys for the whole form, before the control with the focus sees them.
bool Form::PreTranslate(MSG& message) {
    if (message.message != WM_KEYDOWN || (message.hwnd != window_ && !IsChild(window_, message.hwnd))) {
        return false;
    }
    if (description_.keyPreview) {
        EventArgs args;
        args.key = static_cast<unsigned>(message.wParam);
        RunHandler(EventHandler(Event::KeyDown), args);
    }
    return TurnPage(message);
}

}  // namespace orvanta::toolkit
