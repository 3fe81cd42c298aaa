// Tab pages: a container window of our own class for each page of a form's tab control, holding
// that page's components and shown while the page is current.

#include "toolkit/form.h"

#include <commctrl.h>

#include <stdexcept>

namespace orvanta::toolkit {

namespace {

constexpr wchar_t kTabPageClass[] = L"OrvantaTabPage";

// What a page's controls tell their parent goes on to the form.
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
    if (RegisterClassExW(&pageClass) == 0) {
        throw std::runtime_error("Cannot register the window class OrvantaTabPage");
    }
}

}  // namespace

void Form::CreateTabPages() {
    if (tabs_ == nullptr) {
        return;
    }
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
            throw std::runtime_error("Cannot create a tab page of " + std::string(description_.className));
        }
        pages_.push_back(pageWindow);
    }
}

HWND Form::PageWindow(int page) const {
    return page >= 0 && page < static_cast<int>(pages_.size()) ? pages_[static_cast<std::size_t>(page)] : window_;
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

// Ctrl+Tab and Ctrl+PageDown turn the tab pages, as in every property sheet.
bool Form::TurnPage(const MSG& message) {
    const bool control = GetKeyState(VK_CONTROL) < 0;
    if (tabs_ == nullptr || !control ||
        (message.wParam != VK_TAB && message.wParam != VK_PRIOR && message.wParam != VK_NEXT)) {
        return false;
    }
    const int pages = static_cast<int>(tabs_->Description().items.size());
    const bool back = message.wParam == VK_PRIOR || (message.wParam == VK_TAB && GetKeyState(VK_SHIFT) < 0);
    tabs_->SetPageIndex((tabs_->PageIndex() + (back ? pages - 1 : 1)) % pages);
    return true;
}

}  // namespace orvanta::toolkit
