// Message dispatch: the window procedure thunk, the messages every form answers, and the binding
// of events to the handlers that the form class names in its table.

#include "toolkit/form.h"

#include <commctrl.h>

#include <stdexcept>
#include <vector>

#include "toolkit/colors.h"
#include "toolkit/component_kinds.h"

namespace orvanta::toolkit {

using forms::ComponentKind;
using forms::Event;
using forms::ModalResult;

void Form::CheckHandlerNames() const {
    auto requireHandler = [this](std::string_view name) {
        if (!name.empty() && (handlers_ == nullptr || !handlers_->Has(name))) {
            throw std::logic_error(std::string(description_.className) + " has no handler named " + std::string(name));
        }
    };
    for (const auto& binding : description_.events) {
        requireHandler(binding.handler);
    }
    for (const auto& component : description_.components) {
        for (const auto& binding : component.events) {
            requireHandler(binding.handler);
        }
    }
    for (const auto& timer : description_.timers) {
        requireHandler(timer.onTimer);
    }
    std::vector<std::span<const forms::MenuItemDescription>> menus{description_.mainMenu, description_.popupMenu};
    while (!menus.empty()) {
        const auto items = menus.back();
        menus.pop_back();
        for (const auto& item : items) {
            requireHandler(item.onClick);
            menus.push_back(item.items);
        }
    }
}

std::string_view Form::EventHandler(Event event) const {
    return description_.events.HandlerOf(event);
}

std::string_view Form::EventHandler(const Control& control, Event event) const {
    return control.Description().events.HandlerOf(event);
}

bool Form::RunHandler(std::string_view handlerName, EventArgs& args) {
    if (handlerName.empty()) {
        return true;
    }
    if (handlers_ == nullptr) {
        return true;
    }
    try {
        handlers_->Run(handlerName, args);
        return true;
    } catch (...) {
        errors_->ReportCurrentException(handlerName);
    }
    return false;
}

bool Form::RunHandler(std::string_view handlerName) {
    EventArgs args;
    return RunHandler(handlerName, args);
}

bool Form::HandleMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

LRESULT CALLBACK Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Form* form = nullptr;
    if (message == WM_NCCREATE) {
        form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    } else {
        form = reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    }
    if (form == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        form->window_ = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    // No exception may cross into Windows: report it and abandon the message.
    try {
        return form->Dispatch(message, wParam, lParam);
    } catch (...) {
        form->errors_->ReportCurrentException();
    }
    return 0;
}

LRESULT Form::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (HandleMessage(message, wParam, lParam, result)) {
        return result;
    }
    switch (message) {
        case WM_COMMAND:
            OnCommand(wParam, lParam);
            return 0;
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_NOTIFY:
            if (OnNotify(*reinterpret_cast<const NMHDR*>(lParam), result)) {
                return result;
            }
            break;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            if (HBRUSH brush = ControlColors(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam))) {
                return reinterpret_cast<LRESULT>(brush);
            }
            break;
        case WM_SYSCOLORCHANGE:
            ApplySystemLook(true);
            break;
        case WM_SETTINGCHANGE:
            // High contrast and the apps' theme are among the settings; the message goes on.
            ApplySystemLook(false);
            break;
        case WM_ERASEBKGND:
            EraseBackground(reinterpret_cast<HDC>(wParam));
            return 1;
        case WM_SETCURSOR:
            // A component's own pointer; its window class would show the arrow.
            if (LOWORD(lParam) == HTCLIENT && OnSetCursor(reinterpret_cast<HWND>(wParam))) {
                return TRUE;
            }
            break;
        case WM_TIMER:
            if (OnTimer(wParam)) {
                return 0;
            }
            break;
        case WM_MOUSEWHEEL:
            // Where the wheel goes to the focus rather than to what lies under the pointer, it
            // reaches the form: a spin button under the pointer still takes it.
            for (const auto& control : components_) {
                if (control->Kind() == ComponentKind::UpDown && StepSpinFromInput(control->Handle(), message, wParam)) {
                    return 0;
                }
            }
            break;
        case WM_NEXTDLGCTL:
            MoveFocus(LOWORD(lParam) != 0 ? reinterpret_cast<HWND>(wParam)
                                          : GetNextDlgTabItem(window_, GetFocus(), wParam != 0));
            return 0;
        case WM_CONTEXTMENU:
            if (OnContextMenu(lParam)) {
                return 0;
            }
            break;
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_QUERYENDSESSION:
            OnQueryEndSession();
            return TRUE;
        case WM_DESTROY:
            for (const auto& timer : timers_) {
                KillTimer(window_, timer->Id());
            }
            if (endsApplication_) {
                PostQuitMessage(0);
            }
            return 0;
        case DM_GETDEFID:
            if (Control* button = DefaultButton()) {
                return MAKELRESULT(button->ControlId(), DC_HASDEFID);
            }
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

// IsDialogMessage moves the focus with WM_NEXTDLGCTL for a label's mnemonic: to the label, then on
// to the control after it. A form is no dialog, so it answers the message as the dialog manager does.
void Form::MoveFocus(HWND to) {
    if (to == nullptr || !IsWindowVisible(to) || !IsChild(window_, to)) {
        return;
    }
    if ((SendMessageW(to, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0) {
        SendMessageW(to, EM_SETSEL, 0, -1);
    }
    ::SetFocus(to);
}

bool Form::OnSetCursor(HWND under) const {
    const Control* control = ControlById(GetDlgCtrlID(under));
    if (control == nullptr || control->Handle() != under || control->MouseCursor() != Cursor::HandPoint) {
        return false;
    }
    ::SetCursor(LoadCursorW(nullptr, IDC_HAND));
    return true;
}

// Windows is ending the session: the close question runs (the settings are saved), and whatever
// it answers, the end is never refused.
void Form::OnQueryEndSession() {
    EventArgs args;
    args.endingSession = true;
    RunHandler(EventHandler(Event::CloseQuery), args);
}

void Form::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    // IsDialogMessage turns Escape into IDCANCEL and, without a default button, Enter into IDOK.
    if (id == IDCANCEL && (lParam == 0 || ControlById(id) == nullptr)) {
        Close();
        return;
    }
    if (id == IDOK && (lParam == 0 || ControlById(id) == nullptr)) {
        if (Control* button = DefaultButton()) {
            ClickControl(*button);
        }
        return;
    }
    if (lParam == 0) {
        OnMenuCommand(static_cast<UINT>(id));
        return;
    }
    Control* control = ControlById(id);
    if (control == nullptr) {
        return;
    }
    // EN_CHANGE, BN_CLICKED, LBN_*: what the component holds may have changed, by the user or by
    // anyone who sent it a message.
    ComponentChanged(*control, code);
    if (KindInfo(control->Kind()).clickNotification == code) {
        ClickControl(*control);
    }
}

void Form::OnMenuCommand(UINT commandId) {
    for (const Menu* menu : {mainMenu_.get(), popupMenu_.get()}) {
        if (menu == nullptr) {
            continue;
        }
        if (MenuItem* item = menu->FindByCommand(commandId)) {
            RunHandler(item->OnClick());
            return;
        }
    }
}

void Form::ClickControl(Control& control) {
    if (!RunHandler(EventHandler(control, Event::Click))) {
        return;
    }
    if (control.Description().modalResult != ModalResult::None) {
        EndModal(control.Description().modalResult);
    }
}

bool Form::OnNotify(const NMHDR& header, LRESULT& result) {
    Control* control = ControlById(static_cast<int>(header.idFrom));
    if (control == nullptr) {
        return false;
    }
    if (control->Kind() == ComponentKind::UpDown && header.code == UDN_DELTAPOS) {
        const auto& change = reinterpret_cast<const NMUPDOWN&>(header);
        EventArgs args;
        args.steps = change.iDelta > 0 ? change.iDelta : -change.iDelta;
        RunHandler(EventHandler(*control, change.iDelta > 0 ? Event::UpClick : Event::DownClick), args);
        result = TRUE;  // keep the position where it is
        return true;
    }
    if (control->Kind() == ComponentKind::Tabs && header.code == TCN_SELCHANGE) {
        ShowCurrentPage();
        result = 0;
        return true;
    }
    return false;
}

bool Form::OnTimer(UINT_PTR timerId) {
    for (const auto& timer : timers_) {
        if (timer->Id() == timerId && timer->Enabled()) {
            RunHandler(timer->OnTimer());
            return true;
        }
    }
    return false;
}

bool Form::OnContextMenu(LPARAM lParam) {
    if (!popupMenu_) {
        return false;
    }
    POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (lParam == -1) {
        // From the keyboard (Shift+F10 or the menu key): open at the window's corner.
        point = {Scale(8), Scale(8)};
        ClientToScreen(window_, &point);
    }
    ShowPopupMenu(point);
    return true;
}

void Form::ShowPopupMenu(POINT screenPoint) {
    if (!popupMenu_) {
        return;
    }
    // Without the foreground the menu would not close when the user clicks elsewhere.
    SetForegroundWindow(window_);
    TrackPopupMenu(popupMenu_->Handle(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, screenPoint.x, screenPoint.y, 0, window_,
                   nullptr);
    PostMessageW(window_, WM_NULL, 0, 0);
}

}  // namespace orvanta::toolkit
