#include "toolkit/form.h"

#include <commctrl.h>

#include <stdexcept>

#include "toolkit/fonts.h"
#include "toolkit/win_text.h"

namespace orvanta::toolkit {

using forms::ComponentKind;
using forms::Event;
using forms::ModalResult;

namespace {

constexpr UINT kFirstMainMenuCommand = 1000;
constexpr UINT kFirstPopupMenuCommand = 3000;
constexpr int kUpDownRange = 1000;

std::function<void(const std::string&)>& UncaughtErrorReporter() {
    static std::function<void(const std::string&)> reporter;
    return reporter;
}

COLORREF ToColorRef(const forms::Color& color, COLORREF fallback) {
    switch (color.kind) {
        case forms::Color::Kind::Default:
            return fallback;
        case forms::Color::Kind::ButtonFace:
            return GetSysColor(COLOR_BTNFACE);
        case forms::Color::Kind::WindowText:
            return GetSysColor(COLOR_WINDOWTEXT);
        case forms::Color::Kind::Window:
            return GetSysColor(COLOR_WINDOW);
        case forms::Color::Kind::Rgb:
            return RGB((color.rgb >> 16) & 0xFF, (color.rgb >> 8) & 0xFF, color.rgb & 0xFF);
    }
    return fallback;
}

DWORD FrameStyle(forms::BorderStyle border) {
    switch (border) {
        case forms::BorderStyle::Sizeable:
            return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX;
        case forms::BorderStyle::Dialog:
            return WS_POPUP | WS_CAPTION | WS_SYSMENU;
        case forms::BorderStyle::DialogWithoutSystemMenu:
            return WS_POPUP | WS_CAPTION | DS_MODALFRAME;
        case forms::BorderStyle::None:
            return WS_POPUP;
    }
    return WS_OVERLAPPEDWINDOW;
}

DWORD FrameExStyle(forms::BorderStyle border) {
    switch (border) {
        case forms::BorderStyle::Dialog:
        case forms::BorderStyle::DialogWithoutSystemMenu:
            return WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
        default:
            return WS_EX_CONTROLPARENT;
    }
}

constexpr wchar_t kTabPageClass[] = L"OrvantaTabPage";

// A frame does not paint inside itself, and the window beneath it clips it out: it fills its
// interior with the background its parent gives static controls.
LRESULT CALLBACK FrameSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_ERASEBKGND) {
        auto brush = reinterpret_cast<HBRUSH>(
            SendMessageW(GetParent(window), WM_CTLCOLORSTATIC, wParam, reinterpret_cast<LPARAM>(window)));
        RECT client{};
        GetClientRect(window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, brush != nullptr ? brush : GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

// A tab page holds the controls of one page of a tab control and shows or hides them together.
// What its controls tell their parent goes on to the form.
LRESULT CALLBACK TabPageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_ERASEBKGND:
            return SendMessageW(GetParent(window), message, wParam, lParam);
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

void RegisterTabPageClass() {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(GetModuleHandleW(nullptr), kTabPageClass, &existing)) {
        return;
    }
    WNDCLASSEXW pageClass{};
    pageClass.cbSize = sizeof(pageClass);
    pageClass.lpfnWndProc = &TabPageProc;
    pageClass.hInstance = GetModuleHandleW(nullptr);
    pageClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    pageClass.lpszClassName = kTabPageClass;
    RegisterClassExW(&pageClass);
}

bool IsDecoration(ComponentKind kind) {
    return kind == ComponentKind::Tabs || kind == ComponentKind::Bevel || kind == ComponentKind::GroupBox ||
           kind == ComponentKind::Panel;
}

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied));
    return Narrow(text);
}

}  // namespace

void SetUncaughtErrorReporter(std::function<void(const std::string&)> reporter) {
    UncaughtErrorReporter() = std::move(reporter);
}

void ReportUncaughtError(const std::string& text) {
    if (UncaughtErrorReporter()) {
        UncaughtErrorReporter()(text);
    } else {
        MessageBoxW(GetActiveWindow(), Widen(text).c_str(), L"Error", MB_OK | MB_ICONERROR | MB_TASKMODAL);
    }
}

// ---------------------------------------------------------------------------------------------
// Control

Control::Control(Form& form, const forms::ComponentDescription& description, int controlId)
    : form_(form),
      description_(description),
      controlId_(controlId),
      text_(description.caption),
      visible_(description.visible) {}

void Control::Create(HWND parent) {
    const auto& d = description_;
    const bool clickable = form_.EventHandler(*this, Event::Click) != nullptr;
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
    DWORD exStyle = 0;
    const wchar_t* windowClass = L"STATIC";
    switch (d.kind) {
        case ComponentKind::Label:
            style |= SS_NOPREFIX | (clickable ? SS_NOTIFY : 0);
            if (d.alignment == forms::Alignment::Center) {
                style |= SS_CENTER;
            } else if (d.alignment == forms::Alignment::Right) {
                style |= SS_RIGHT;
            } else {
                style |= d.wordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP;
            }
            break;
        case ComponentKind::Edit:
            windowClass = L"EDIT";
            style |= WS_TABSTOP | ES_AUTOHSCROLL | (d.readOnly ? ES_READONLY : 0);
            exStyle = WS_EX_CLIENTEDGE;
            break;
        case ComponentKind::Button:
            windowClass = L"BUTTON";
            style |= WS_TABSTOP | (d.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
            break;
        case ComponentKind::CheckBox:
            windowClass = L"BUTTON";
            style |= WS_TABSTOP | BS_AUTOCHECKBOX;
            break;
        case ComponentKind::ListBox:
            windowClass = L"LISTBOX";
            style |= WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
            exStyle = WS_EX_CLIENTEDGE;
            break;
        case ComponentKind::UpDown:
            windowClass = UPDOWN_CLASSW;
            style |= UDS_ARROWKEYS;
            break;
        case ComponentKind::Tabs:
            windowClass = WC_TABCONTROLW;
            style |= WS_TABSTOP;
            break;
        case ComponentKind::Grid:
            windowClass = WC_LISTVIEWW;
            style |= WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_NOSORTHEADER | LVS_SHOWSELALWAYS;
            exStyle = WS_EX_CLIENTEDGE;
            break;
        case ComponentKind::Bevel:
        case ComponentKind::Panel:
            style |= SS_ETCHEDFRAME;
            break;
        case ComponentKind::GroupBox:
            windowClass = L"BUTTON";
            style |= BS_GROUPBOX;
            break;
        case ComponentKind::Picture:
            style |= SS_ICON | SS_CENTERIMAGE | (clickable ? SS_NOTIFY : 0);
            break;
    }
    // A picture's caption names its image, not a text for screen readers.
    const bool hasCaption = d.kind != ComponentKind::ListBox && d.kind != ComponentKind::Grid &&
                            d.kind != ComponentKind::Tabs && d.kind != ComponentKind::UpDown &&
                            d.kind != ComponentKind::Picture;
    window_ =
        CreateWindowExW(exStyle, windowClass, hasCaption ? Widen(d.caption).c_str() : L"", style, form_.Scale(d.left),
                        form_.Scale(d.top), form_.Scale(d.width), form_.Scale(d.height), parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId_)), GetModuleHandleW(nullptr), nullptr);
    if (window_ == nullptr) {
        throw std::runtime_error("Cannot create the component " + d.name);
    }
    if (d.kind == ComponentKind::Bevel || d.kind == ComponentKind::Panel || d.kind == ComponentKind::GroupBox) {
        SetWindowSubclass(window_, &FrameSubclassProc, 0, 0);
    }
    font_ = form_.Font(d.font.InheritsFormFont() ? form_.Description().font : d.font);
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);

    switch (d.kind) {
        case ComponentKind::ListBox:
            if (d.itemHeight > 0) {
                SendMessageW(window_, LB_SETITEMHEIGHT, 0, form_.Scale(d.itemHeight));
            }
            for (const auto& item : d.items) {
                AddItem(item);
            }
            break;
        case ComponentKind::UpDown:
            // Only the direction of a click matters; the position is kept in the middle.
            SendMessageW(window_, UDM_SETRANGE32, static_cast<WPARAM>(-kUpDownRange), kUpDownRange);
            SendMessageW(window_, UDM_SETPOS32, 0, 0);
            break;
        case ComponentKind::Tabs:
            for (std::size_t i = 0; i < d.items.size(); ++i) {
                std::wstring caption = Widen(d.items[i]);
                TCITEMW item{};
                item.mask = TCIF_TEXT;
                item.pszText = caption.data();
                SendMessageW(window_, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
            }
            break;
        case ComponentKind::Grid: {
            SendMessageW(window_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
            for (std::size_t i = 0; i < d.columnWidths.size(); ++i) {
                LVCOLUMNW column{};
                column.mask = LVCF_WIDTH | LVCF_TEXT;
                column.cx = form_.Scale(d.columnWidths[i]);
                column.pszText = const_cast<wchar_t*>(L"");
                SendMessageW(window_, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
            }
            for (int row = 0; row < d.rowCount; ++row) {
                LVITEMW item{};
                item.mask = LVIF_TEXT;
                item.iItem = row;
                item.pszText = const_cast<wchar_t*>(L"");
                SendMessageW(window_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
            }
            break;
        }
        case ComponentKind::Picture:
            if (d.caption == "error" || d.caption == "warning" || d.caption == "information") {
                const wchar_t* icon = d.caption == "error"     ? IDI_ERROR
                                      : d.caption == "warning" ? IDI_WARNING
                                                               : IDI_INFORMATION;
                SendMessageW(window_, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(nullptr, icon)), 0);
            }
            break;
        default:
            break;
    }
    if (d.backColor.kind != forms::Color::Kind::Default) {
        backBrush_.Reset(CreateSolidBrush(ToColorRef(d.backColor, GetSysColor(COLOR_BTNFACE))));
    }
    if (d.autoSize) {
        FitToText();
    }
}

std::string Control::Text() const {
    if (description_.kind == ComponentKind::Edit) {
        return WindowText(window_);
    }
    return text_;
}

void Control::SetText(std::string_view text) {
    if (description_.kind == ComponentKind::Edit) {
        if (WindowText(window_) != text) {
            SetWindowTextW(window_, Widen(text).c_str());
        }
        return;
    }
    if (text == text_) {
        return;
    }
    text_ = text;
    SetWindowTextW(window_, Widen(text_).c_str());
    if (description_.autoSize) {
        FitToText();
    }
}

void Control::FitToText() {
    WindowDc dc(window_);
    SelectedObject selected(dc.Get(), font_);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.Get(), &metrics);
    int width = 0;
    int height = metrics.tmHeight;
    if (!text_.empty()) {
        const std::wstring wide = Widen(text_);
        RECT bounds{0, 0, description_.wordWrap ? Bounds().right - Bounds().left : 0, 0};
        DrawTextW(dc.Get(), wide.c_str(), static_cast<int>(wide.size()), &bounds,
                  DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | (description_.wordWrap ? DT_WORDBREAK : 0));
        width = bounds.right - bounds.left;
        height = std::max<int>(height, bounds.bottom - bounds.top);
    }
    RECT current{};
    GetWindowRect(window_, &current);
    if (current.right - current.left != width || current.bottom - current.top != height) {
        SetWindowPos(window_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void Control::SetVisible(bool visible) {
    visible_ = visible;
    ApplyVisibility();
}

void Control::ApplyVisibility() {
    const bool shown = visible_;
    const bool isShown = (GetWindowLongW(window_, GWL_STYLE) & WS_VISIBLE) != 0;
    if (shown != isShown) {
        ShowWindow(window_, shown ? SW_SHOWNA : SW_HIDE);
    }
}

bool Control::Checked() const {
    return SendMessageW(window_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Control::SetChecked(bool checked) {
    SendMessageW(window_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Control::Enabled() const {
    return IsWindowEnabled(window_) != FALSE;
}

void Control::SetEnabled(bool enabled) {
    EnableWindow(window_, enabled ? TRUE : FALSE);
}

void Control::SetFocus() {
    ::SetFocus(window_);
}

RECT Control::Bounds() const {
    RECT bounds{};
    GetWindowRect(window_, &bounds);
    MapWindowPoints(HWND_DESKTOP, form_.Handle(), reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}

int Control::ItemCount() const {
    return static_cast<int>(SendMessageW(window_, LB_GETCOUNT, 0, 0));
}

std::string Control::Item(int index) const {
    const LRESULT length = SendMessageW(window_, LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR) {
        throw std::out_of_range(description_.name + ": no item " + std::to_string(index));
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(window_, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied < 0 ? 0 : copied));
    return Narrow(text);
}

std::vector<std::string> Control::Items() const {
    std::vector<std::string> items;
    const int count = ItemCount();
    items.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        items.push_back(Item(i));
    }
    return items;
}

void Control::AddItem(std::string_view text) {
    SendMessageW(window_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

void Control::DeleteItem(int index) {
    SendMessageW(window_, LB_DELETESTRING, index, 0);
}

void Control::ClearItems() {
    SendMessageW(window_, LB_RESETCONTENT, 0, 0);
}

int Control::ItemIndex() const {
    const LRESULT index = SendMessageW(window_, LB_GETCURSEL, 0, 0);
    return index == LB_ERR ? -1 : static_cast<int>(index);
}

void Control::SetItemIndex(int index) {
    SendMessageW(window_, LB_SETCURSEL, index, 0);
}

int Control::RowCount() const {
    return 1 + static_cast<int>(SendMessageW(window_, LVM_GETITEMCOUNT, 0, 0));
}

int Control::ColumnCount() const {
    return static_cast<int>(description_.columnWidths.size());
}

std::string Control::Cell(int column, int row) const {
    wchar_t buffer[512] = {};
    if (row == 0) {
        LVCOLUMNW header{};
        header.mask = LVCF_TEXT;
        header.pszText = buffer;
        header.cchTextMax = static_cast<int>(std::size(buffer));
        SendMessageW(window_, LVM_GETCOLUMNW, column, reinterpret_cast<LPARAM>(&header));
        return Narrow(buffer);
    }
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = static_cast<int>(std::size(buffer));
    SendMessageW(window_, LVM_GETITEMTEXTW, row - 1, reinterpret_cast<LPARAM>(&item));
    return Narrow(buffer);
}

void Control::SetCell(int column, int row, std::string_view text) {
    std::wstring wide = Widen(text);
    if (row == 0) {
        LVCOLUMNW header{};
        header.mask = LVCF_TEXT;
        header.pszText = wide.data();
        SendMessageW(window_, LVM_SETCOLUMNW, column, reinterpret_cast<LPARAM>(&header));
        return;
    }
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = wide.data();
    SendMessageW(window_, LVM_SETITEMTEXTW, row - 1, reinterpret_cast<LPARAM>(&item));
}

int Control::PageIndex() const {
    return static_cast<int>(SendMessageW(window_, TCM_GETCURSEL, 0, 0));
}

void Control::SetPageIndex(int page) {
    SendMessageW(window_, TCM_SETCURSEL, page, 0);
    form_.ShowCurrentPage();
}

HBRUSH Control::PrepareColors(HDC dc) const {
    const auto& d = description_;
    if (d.kind == ComponentKind::Edit) {
        return nullptr;  // read-only edits keep the system's look
    }
    const COLORREF formColor = ToColorRef(form_.Description().color, GetSysColor(COLOR_BTNFACE));
    SetTextColor(dc, ToColorRef(d.textColor, GetSysColor(COLOR_WINDOWTEXT)));
    if (d.transparent) {
        SetBkMode(dc, TRANSPARENT);
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    }
    if (d.backColor.kind == forms::Color::Kind::Default) {
        SetBkColor(dc, formColor);
        return form_.FormBrush();
    }
    SetBkColor(dc, ToColorRef(d.backColor, formColor));
    return backBrush_.Get();
}

// ---------------------------------------------------------------------------------------------
// Timer

Timer::Timer(Form& form, const forms::TimerDescription& description, UINT_PTR id)
    : form_(form), description_(description), id_(id), interval_(description.interval), enabled_(description.enabled) {}

void Timer::SetInterval(unsigned interval) {
    interval_ = interval;
    Apply();
}

void Timer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Apply();
}

void Timer::Apply() {
    if (form_.window_ == nullptr) {
        return;
    }
    if (enabled_ && interval_ > 0) {
        // Setting the same identifier again restarts the timer with the new interval.
        SetTimer(form_.window_, id_, interval_, nullptr);
    } else {
        KillTimer(form_.window_, id_);
    }
}

// ---------------------------------------------------------------------------------------------
// Form

Form::Form(const forms::FormDescription& description) : description_(description) {}

Form::~Form() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
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
    windowClass.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = className.c_str();
    if (RegisterClassExW(&windowClass) == 0) {
        throw std::runtime_error("Cannot register the window class " + description_.className);
    }
}

void Form::Create(HandlerTable handlers, HWND owner) {
    handlers_ = std::move(handlers);
    auto requireHandler = [this](const std::string& name) {
        if (!name.empty() && handlers_.find(name) == handlers_.end()) {
            throw std::logic_error(description_.className + " has no handler named " + name);
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
    std::vector<const std::vector<forms::MenuItemDescription>*> menus{&description_.mainMenu, &description_.popupMenu};
    while (!menus.empty()) {
        const auto* items = menus.back();
        menus.pop_back();
        for (const auto& item : *items) {
            requireHandler(item.onClick);
            menus.push_back(&item.items);
        }
    }

    dpi_ = ScreenDpi();
    RegisterWindowClass();
    formBrush_.Reset(CreateSolidBrush(ToColorRef(description_.color, GetSysColor(COLOR_BTNFACE))));

    if (!description_.mainMenu.empty()) {
        mainMenu_ = std::make_unique<Menu>(Menu::Kind::Bar, description_.mainMenu, kFirstMainMenuCommand);
    }
    const DWORD style = FrameStyle(description_.border) | WS_CLIPCHILDREN;
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
                        description_.left, description_.top, frame.right - frame.left, frame.bottom - frame.top, owner,
                        mainMenu_ ? mainMenu_->Handle() : nullptr, GetModuleHandleW(nullptr), this);
    if (window_ == nullptr) {
        throw std::runtime_error("Cannot create the window " + description_.className);
    }
    if (mainMenu_) {
        mainMenu_->AttachedTo(window_);
        mainMenu_->SetChangedCallback([this] { DrawMenuBar(window_); });
    }
    if (!outerSizeGiven) {
        // A menu bar that wraps makes the frame taller than AdjustWindowRectEx says.
        SetClientWidth(Scale(description_.clientWidth));
        SetClientHeight(Scale(description_.clientHeight));
    }
    CreateComponents();
    if (!description_.popupMenu.empty()) {
        popupMenu_ = std::make_unique<Menu>(Menu::Kind::Popup, description_.popupMenu, kFirstPopupMenuCommand);
    }
    UINT_PTR timerId = 1;
    for (const auto& timer : description_.timers) {
        timers_.push_back(std::make_unique<Timer>(*this, timer, timerId++));
        timers_.back()->Apply();
    }
}

void Form::CreateComponents() {
    int id = forms::kFirstControlId;
    for (const auto& component : description_.components) {
        components_.push_back(std::make_unique<Control>(*this, component, id++));
        if (component.kind == ComponentKind::Tabs) {
            tabs_ = components_.back().get();
        }
    }
    if (tabs_ != nullptr) {
        tabs_->Create(window_);
        RECT display{};
        GetClientRect(tabs_->Handle(), &display);
        SendMessageW(tabs_->Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
        const RECT tabsBounds = tabs_->Bounds();
        OffsetRect(&display, tabsBounds.left, tabsBounds.top);
        RegisterTabPageClass();
        for (std::size_t page = 0; page < tabs_->Description().items.size(); ++page) {
            HWND pageWindow =
                CreateWindowExW(WS_EX_CONTROLPARENT, kTabPageClass, L"", WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                                display.left, display.top, display.right - display.left, display.bottom - display.top,
                                window_, nullptr, GetModuleHandleW(nullptr), nullptr);
            if (pageWindow == nullptr) {
                throw std::runtime_error("Cannot create a tab page of " + description_.className);
            }
            pages_.push_back(pageWindow);
        }
    }
    for (auto& control : components_) {
        if (control.get() == tabs_) {
            continue;
        }
        const int page = control->Description().page;
        control->Create(page >= 0 && page < static_cast<int>(pages_.size()) ? pages_[static_cast<std::size_t>(page)]
                                                                            : window_);
    }
    // Frames go beneath the controls they surround, the outermost lowest; the tab order of the
    // controls is their creation order.
    for (auto it = components_.rbegin(); it != components_.rend(); ++it) {
        if (IsDecoration((*it)->Kind())) {
            SetWindowPos((*it)->Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }
    for (auto& control : components_) {
        const auto& d = control->Description();
        if (d.kind == ComponentKind::UpDown && !d.buddy.empty()) {
            SendMessageW(control->Handle(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(Component(d.buddy).Handle()), 0);
        }
    }
    HWND tooltip = nullptr;
    for (auto& control : components_) {
        if (control->Description().hint.empty()) {
            continue;
        }
        if (tooltip == nullptr) {
            tooltip =
                CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, GetModuleHandleW(nullptr), nullptr);
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
    ShowCurrentPage();
}

void Form::ShowCurrentPage() {
    for (auto& control : components_) {
        control->ApplyVisibility();
    }
    const int current = tabs_ != nullptr ? tabs_->PageIndex() : -1;
    for (std::size_t page = 0; page < pages_.size(); ++page) {
        ShowWindow(pages_[page], static_cast<int>(page) == current ? SW_SHOWNA : SW_HIDE);
    }
}

HFONT Form::Font(const forms::FontSpec& font) {
    const auto key = std::make_tuple(font.face, font.height, font.bold, font.underline);
    auto found = fonts_.find(key);
    if (found != fonts_.end()) {
        return found->second.Get();
    }
    UniqueFont created = CreateScaledFont(font, dpi_);
    HFONT handle = created.Get();
    fonts_.emplace(key, std::move(created));
    return handle;
}

int Form::Scale(int designPixels) const {
    return MulDiv(designPixels, dpi_, 96);
}

Control& Form::Component(std::string_view name) const {
    if (Control* control = FindComponent(name)) {
        return *control;
    }
    throw std::out_of_range(description_.name + " has no component named " + std::string(name));
}

Control* Form::FindComponent(std::string_view name) const {
    for (const auto& control : components_) {
        if (control->Name() == name) {
            return control.get();
        }
    }
    return nullptr;
}

Control* Form::ControlById(int id) const {
    const int index = id - forms::kFirstControlId;
    if (index < 0 || index >= static_cast<int>(components_.size())) {
        return nullptr;
    }
    return components_[static_cast<std::size_t>(index)].get();
}

Control* Form::DefaultButton() const {
    for (const auto& control : components_) {
        if (control->Description().isDefault) {
            return control.get();
        }
    }
    return nullptr;
}

MenuItem& Form::MenuEntry(std::string_view name) const {
    for (const Menu* menu : {mainMenu_.get(), popupMenu_.get()}) {
        if (menu != nullptr) {
            if (MenuItem* item = menu->Find(name)) {
                return *item;
            }
        }
    }
    throw std::out_of_range(description_.name + " has no menu entry named " + std::string(name));
}

Timer& Form::TimerNamed(std::string_view name) const {
    for (const auto& timer : timers_) {
        if (timer->Name() == name) {
            return *timer;
        }
    }
    throw std::out_of_range(description_.name + " has no timer named " + std::string(name));
}

const std::string* Form::EventHandler(Event event) const {
    for (const auto& binding : description_.events) {
        if (binding.event == event) {
            return &binding.handler;
        }
    }
    return nullptr;
}

const std::string* Form::EventHandler(const Control& control, Event event) const {
    for (const auto& binding : control.Description().events) {
        if (binding.event == event) {
            return &binding.handler;
        }
    }
    return nullptr;
}

bool Form::RunHandler(const std::string& handlerName, EventArgs& args) {
    const auto found = handlers_.find(handlerName);
    if (found == handlers_.end()) {
        return true;
    }
    try {
        found->second(args);
        return true;
    } catch (const std::exception& error) {
        ReportUncaughtError(error.what());
    } catch (...) {
        ReportUncaughtError("Unknown error in " + handlerName);
    }
    return false;
}

bool Form::RunHandler(const std::string& handlerName) {
    EventArgs args;
    return RunHandler(handlerName, args);
}

std::string Form::Caption() const {
    return WindowText(window_);
}

void Form::SetCaption(std::string_view caption) {
    SetWindowTextW(window_, Widen(caption).c_str());
}

void Form::Show() {
    if (Showing()) {
        return;
    }
    if (description_.placement == forms::Placement::ScreenCenter) {
        HWND reference = GetWindow(window_, GW_OWNER) != nullptr ? GetWindow(window_, GW_OWNER) : window_;
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
    if (const std::string* handler = EventHandler(Event::Show)) {
        RunHandler(*handler);
    }
    if (!IsWindowVisible(window_)) {
        ShowWindow(window_, SW_SHOW);
    }
}

void Form::Hide() {
    if (window_ != nullptr && IsWindowVisible(window_)) {
        ShowWindow(window_, SW_HIDE);
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
    HWND owner = GetWindow(window_, GW_OWNER);
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
    if (const std::string* handler = EventHandler(Event::Activate)) {
        RunHandler(*handler);
    }
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
    if (const std::string* handler = EventHandler(Event::CloseQuery)) {
        if (!RunHandler(*handler, args)) {
            return;
        }
    }
    if (!args.canClose) {
        return;
    }
    if (endsApplication_) {
        DestroyWindow(window_);
    } else {
        EndModal(description_.cancelResult);
    }
}

bool Form::PreTranslate(MSG& message) {
    if (message.message != WM_KEYDOWN || (message.hwnd != window_ && !IsChild(window_, message.hwnd))) {
        return false;
    }
    if (description_.keyPreview) {
        if (const std::string* handler = EventHandler(Event::KeyDown)) {
            EventArgs args;
            args.key = static_cast<unsigned>(message.wParam);
            RunHandler(*handler, args);
        }
    }
    // Ctrl+Tab and Ctrl+PageDown turn the tab pages, as in every property sheet.
    const bool control = GetKeyState(VK_CONTROL) < 0;
    if (tabs_ != nullptr && control &&
        (message.wParam == VK_TAB || message.wParam == VK_PRIOR || message.wParam == VK_NEXT)) {
        const int pages = static_cast<int>(tabs_->Description().items.size());
        const bool back = message.wParam == VK_PRIOR || (message.wParam == VK_TAB && GetKeyState(VK_SHIFT) < 0);
        tabs_->SetPageIndex((tabs_->PageIndex() + (back ? pages - 1 : 1)) % pages);
        return true;
    }
    return false;
}

void Form::ClickControl(Control& control) {
    if (const std::string* handler = EventHandler(control, Event::Click)) {
        if (!RunHandler(*handler)) {
            return;
        }
    }
    if (control.Description().modalResult != ModalResult::None) {
        EndModal(control.Description().modalResult);
    }
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
        for (const Menu* menu : {mainMenu_.get(), popupMenu_.get()}) {
            if (menu == nullptr) {
                continue;
            }
            if (MenuItem* item = menu->FindByCommand(static_cast<UINT>(id))) {
                if (!item->OnClick().empty()) {
                    RunHandler(item->OnClick());
                }
                return;
            }
        }
        return;
    }
    Control* control = ControlById(id);
    if (control == nullptr) {
        return;
    }
    switch (control->Kind()) {
        case ComponentKind::Button:
        case ComponentKind::CheckBox:
            if (code == BN_CLICKED) {
                ClickControl(*control);
            }
            break;
        case ComponentKind::ListBox:
            if (code == LBN_SELCHANGE) {
                ClickControl(*control);
            }
            break;
        case ComponentKind::Label:
        case ComponentKind::Picture:
            if (code == STN_CLICKED) {
                ClickControl(*control);
            }
            break;
        default:
            break;
    }
}

bool Form::OnNotify(const NMHDR& header, LRESULT& result) {
    Control* control = ControlById(static_cast<int>(header.idFrom));
    if (control == nullptr) {
        return false;
    }
    if (control->Kind() == ComponentKind::UpDown && header.code == UDN_DELTAPOS) {
        const auto& change = reinterpret_cast<const NMUPDOWN&>(header);
        if (const std::string* handler =
                EventHandler(*control, change.iDelta > 0 ? Event::UpClick : Event::DownClick)) {
            RunHandler(*handler);
        }
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

RECT Form::WindowBounds() const {
    RECT bounds{};
    if (IsIconic(window_) || IsZoomed(window_)) {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof(placement);
        GetWindowPlacement(window_, &placement);
        // The placement is in work-area coordinates.
        MONITORINFO monitor{};
        monitor.cbSize = sizeof(monitor);
        GetMonitorInfoW(MonitorFromRect(&placement.rcNormalPosition, MONITOR_DEFAULTTONEAREST), &monitor);
        bounds = placement.rcNormalPosition;
        OffsetRect(&bounds, monitor.rcWork.left - monitor.rcMonitor.left, monitor.rcWork.top - monitor.rcMonitor.top);
        return bounds;
    }
    GetWindowRect(window_, &bounds);
    return bounds;
}

SIZE Form::ClientSize() const {
    if (IsIconic(window_) || IsZoomed(window_)) {
        const RECT bounds = WindowBounds();
        RECT frame{0, 0, 0, 0};
        AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(window_, GWL_STYLE)), GetMenu(window_) != nullptr,
                           static_cast<DWORD>(GetWindowLongW(window_, GWL_EXSTYLE)));
        return {(bounds.right - bounds.left) - (frame.right - frame.left),
                (bounds.bottom - bounds.top) - (frame.bottom - frame.top)};
    }
    RECT client{};
    GetClientRect(window_, &client);
    return {client.right, client.bottom};
}

void Form::MoveFrame(int left, int top, int width, int height) {
    SetWindowPos(window_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetWindowLeft(int left) {
    RECT bounds{};
    GetWindowRect(window_, &bounds);
    MoveFrame(left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
}

void Form::SetWindowTop(int top) {
    RECT bounds{};
    GetWindowRect(window_, &bounds);
    MoveFrame(bounds.left, top, bounds.right - bounds.left, bounds.bottom - bounds.top);
}

void Form::SetClientWidth(int width) {
    RECT bounds{};
    RECT client{};
    GetWindowRect(window_, &bounds);
    GetClientRect(window_, &client);
    MoveFrame(bounds.left, bounds.top, bounds.right - bounds.left + width - client.right, bounds.bottom - bounds.top);
}

void Form::SetClientHeight(int height) {
    RECT bounds{};
    RECT client{};
    GetWindowRect(window_, &bounds);
    GetClientRect(window_, &client);
    MoveFrame(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top + height - client.bottom);
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
    } catch (const std::exception& error) {
        ReportUncaughtError(error.what());
    } catch (...) {
        ReportUncaughtError("Unknown error");
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
        case WM_NOTIFY:
            if (OnNotify(*reinterpret_cast<const NMHDR*>(lParam), result)) {
                return result;
            }
            break;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            for (const auto& control : components_) {
                if (control->Handle() == reinterpret_cast<HWND>(lParam)) {
                    if (HBRUSH brush = control->PrepareColors(reinterpret_cast<HDC>(wParam))) {
                        return reinterpret_cast<LRESULT>(brush);
                    }
                    break;
                }
            }
            break;
        case WM_ERASEBKGND: {
            RECT client{};
            GetClientRect(window_, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, formBrush_.Get());
            return 1;
        }
        case WM_TIMER:
            for (const auto& timer : timers_) {
                if (timer->Id() == wParam && timer->Enabled()) {
                    RunHandler(timer->OnTimer());
                    return 0;
                }
            }
            break;
        case WM_CONTEXTMENU:
            if (popupMenu_) {
                POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
                if (lParam == -1) {
                    // From the keyboard (Shift+F10 or the menu key): open at the window's corner.
                    point = {Scale(8), Scale(8)};
                    ClientToScreen(window_, &point);
                }
                ShowPopupMenu(point);
                return 0;
            }
            break;
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_QUERYENDSESSION: {
            // Windows is ending the session: the settings are saved, and the end is never refused.
            EventArgs args;
            args.endingSession = true;
            if (const std::string* handler = EventHandler(Event::CloseQuery)) {
                RunHandler(*handler, args);
            }
            return TRUE;
        }
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

}  // namespace orvanta::toolkit
