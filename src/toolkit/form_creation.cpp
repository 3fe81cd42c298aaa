// Creating a form: its window class, the frame window with its menu bar, the components (tab pages
// first, then the rest), their z-order, the spin buttons' buddies, the tooltips and the timers.

#include "toolkit/form.h"

#include <commctrl.h>

#include <stdexcept>

#include "toolkit/colors.h"
#include "toolkit/component_kinds.h"
#include "toolkit/fonts.h"
#include "toolkit/win_text.h"
#include "toolkit/window_frame.h"

namespace orvanta::toolkit {

namespace {

constexpr UINT kFirstPopupMenuCommand = 3000;

}  // namespace

void Form::Create(std::unique_ptr<Handlers> handlers, HWND owner) {
    handlers_ = std::move(handlers);
    CheckHandlerNames();
    dpi_ = ScreenDpi();
    RegisterWindowClass();
    look_ = DecideLookMode(preferences_->Look(), followsDarkTheme_);
    formBrush_.Reset(CreateSolidBrush(LookColorRef(ColorRole::Background, description_.color)));
    CreateFrameWindow(owner);
    CreateComponents();
    if (!description_.popupMenu.empty()) {
        popupMenu_ = std::make_unique<Menu>(Menu::Kind::Popup, description_.popupMenu, kFirstPopupMenuCommand);
    }
    CreateTimers();
}

void Form::RegisterWindowClass() const {
    const std::wstring className = Widen(description_.className);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(GetModuleHandleW(nullptr), className.c_str(), &existing)) {
        return;
    }
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = &Form::WindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    // Dialogs carry no icon in their title bar; given none, Wine draws none either.
    const bool dialogFrame = description_.border == forms::BorderStyle::Dialog ||
                             description_.border == forms::BorderStyle::DialogWithoutSystemMenu;
    windowClass.hIcon = dialogFrame ? nullptr : LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = className.c_str();
    if (RegisterClassExW(&windowClass) == 0) {
        throw std::runtime_error("Cannot register the window class " + std::string(description_.className));
    }
}

void Form::CreateFrameWindow(HWND owner) {
    // Owned only while shown (see Show): under Wine a window that owns others, even hidden ones,
    // does not become topmost itself.
    owner_ = owner;
    if (!description_.mainMenu.empty()) {
        mainMenu_ = std::make_unique<Menu>(Menu::Kind::Bar, description_.mainMenu,
                                           static_cast<UINT>(forms::kFirstMainMenuCommandId));
    }
    // The frame does not clip its children out of its painting, as the system's own dialogs do not:
    // it paints only its background, which the children cover at once, and under Wine clipping a
    // score of children out of the first paint doubles the time the window takes to appear.
    const DWORD style = FrameStyle(description_.border);
    const DWORD exStyle = FrameExStyle(description_.border);
    const bool outerSizeGiven = description_.width > 0 && description_.height > 0;
    RECT frame{0, 0, Scale(description_.clientWidth), Scale(description_.clientHeight)};
    if (outerSizeGiven) {
        frame = {0, 0, Scale(description_.width), Scale(description_.height)};
    } else {
        AdjustWindowRectEx(&frame, style, mainMenu_ != nullptr, exStyle);
    }
    window_ =
        CreateWindowExW(exStyle, Widen(description_.className).c_str(), Widen(description_.caption).c_str(), style,
                        description_.left, description_.top, frame.right - frame.left, frame.bottom - frame.top,
                        nullptr, mainMenu_ ? mainMenu_->Handle() : nullptr, GetModuleHandleW(nullptr), this);
    if (window_ == nullptr) {
        throw std::runtime_error("Cannot create the window " + std::string(description_.className));
    }
    if (mainMenu_) {
        mainMenu_->SetAttached(true);
        mainMenu_->SetChangedCallback([this] { ShowMenuBarWhileItHasEntries(window_, *mainMenu_); });
    }
    if (!outerSizeGiven) {
        // A menu bar that wraps makes the frame taller than AdjustWindowRectEx says.
        const RECT bounds = WindowBounds();
        PlaceFrame(bounds.left, bounds.top, Scale(description_.clientWidth), Scale(description_.clientHeight));
    }
}

void Form::CreateComponents() {
    int id = forms::kFirstControlId;
    for (const auto& component : description_.components) {
        components_.push_back(std::make_unique<Control>(*this, component, id++));
        if (component.kind == forms::ComponentKind::Tabs) {
            tabs_ = components_.back().get();
        }
    }
    CreateTabPages();
    for (auto& control : components_) {
        if (control.get() != tabs_) {
            control->Create(PageWindow(control->Description().page));
        }
    }
    StackFramesBeneath();
    // An arrow painted across a label's bounds lies beneath the labels it overlaps (the bar at its tail).
    for (auto& control : components_) {
        if (control->Description().joinHyphens) {
            control->SendToBack();
        }
    }
    AttachBuddies();
    AddTooltips();
    ShowCurrentPage();
}

// Frames go beneath the controls they surround, the outermost lowest; the tab order of the
// controls is their creation order.
void Form::StackFramesBeneath() {
    for (auto it = components_.rbegin(); it != components_.rend(); ++it) {
        if (KindInfo((*it)->Kind()).liesBeneath) {
            SetWindowPos((*it)->Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }
}

void Form::AttachBuddies() {
    for (auto& control : components_) {
        const auto& d = control->Description();
        if (d.kind == forms::ComponentKind::UpDown && !d.buddy.empty()) {
            const HWND buddy = Component(d.buddy).Handle();
            SendMessageW(control->Handle(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
            AttachSpinBuddy(control->Handle(), buddy);
            // Taking a buddy gives the spin button the system's default width: the design's comes back.
            SetWindowPos(control->Handle(), nullptr, 0, 0, Scale(d.width), Scale(d.height),
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
}

namespace {

// The widest a hint's line runs, in pixels at 96 DPI.
constexpr int kHintWidth = 320;

}  // namespace

void Form::AddTooltips() {
    HWND tooltip = nullptr;
    for (auto& control : components_) {
        if (control->Description().hint.empty()) {
            continue;
        }
        if (tooltip == nullptr) {
            tooltip =
                CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, GetModuleHandleW(nullptr), nullptr);
            // A long hint wraps into lines of a readable width instead of running to the screen's edge.
            SendMessageW(tooltip, TTM_SETMAXTIPWIDTH, 0, Scale(kHintWidth));
        }
        std::wstring hint = Widen(control->Description().hint);
        TOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = window_;
        tool.uId = reinterpret_cast<UINT_PTR>(control->Handle());
        tool.lpszText = hint.data();
        SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void Form::CreateTimers() {
    UINT_PTR timerId = 1;
    for (const auto& timer : description_.timers) {
        timers_.push_back(std::make_unique<Timer>(*this, timer, timerId++));
        timers_.back()->Apply();
    }
}

HFONT Form::Font(const forms::FontSpec& font) {
    const auto key = std::make_tuple(std::string(font.face), int{font.height}, font.bold, font.underline);
    auto found = fonts_.find(key);
    if (found != fonts_.end()) {
        return found->second.Get();
    }
    UniqueFont created = CreateScaledFont(font, dpi_);
    HFONT handle = created.Get();
    fonts_.emplace(key, std::move(created));
    return handle;
}

}  // namespace orvanta::toolkit
