// A component: its creation from the row of its kind, and what reads and changes it.

#include "toolkit/control.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <stdexcept>

#include "core/digit_texts.h"
#include "toolkit/colors.h"
#include "toolkit/component_kinds.h"
#include "toolkit/form.h"
#include "toolkit/joined_hyphens.h"
#include "toolkit/picture.h"
#include "toolkit/win_text.h"

namespace orvanta::toolkit {

Control::Control(Form& form, const forms::ComponentDescription& description, int controlId)
    : form_(form),
      description_(description),
      controlId_(controlId),
      text_(description.caption),
      visible_(description.visible) {}

Control::~Control() = default;

void Control::Create(HWND parent) {
    const auto& d = description_;
    const ComponentKindInfo& kind = KindInfo(d.kind);
    const bool clickable = !form_.EventHandler(*this, forms::Event::Click).empty();
    const DWORD style =
        WS_CHILD | WS_CLIPSIBLINGS | kind.style | (kind.describedStyle ? kind.describedStyle(d, clickable) : 0);
    window_ =
        CreateWindowExW(kind.exStyle, kind.windowClass, kind.hasCaption ? Widen(d.caption).c_str() : L"", style,
                        form_.Scale(d.left), form_.Scale(d.top), form_.Scale(d.width), form_.Scale(d.height), parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId_)), GetModuleHandleW(nullptr), nullptr);
    if (window_ == nullptr) {
        throw std::runtime_error("Cannot create the component " + std::string(d.name));
    }
    if (kind.isFrame) {
        PaintFrameInterior(window_, d.raised);
    }
    if (d.joinHyphens) {
        PaintHyphensJoined(window_);
    }
    font_ = form_.Font(d.font.InheritsFormFont() ? form_.Description().font : d.font);
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    if (kind.fill != nullptr) {
        kind.fill(*this, form_);
    }
    if (!d.image.empty()) {
        ShowImage();
    }
    ApplyLook(false);
    if (d.autoSize) {
        FitToText();
    }
}

std::string Control::Text() const {
    return KindInfo(description_.kind).userEditsText ? WindowText(window_) : text_;
}

void Control::SetText(std::string_view text) {
    if (KindInfo(description_.kind).userEditsText) {
        if (Text() != text) {
            SetWindowTextW(window_, Widen(text).c_str());
        }
        return;
    }
    if (text == text_) {
        return;
    }
    // A clock's time changes every second in its digits alone: the label keeps its width.
    const bool widthKept = digitsEquallyWide_ && DiffersOnlyInDigits(text_, text);
    text_ = text;
    SetWindowTextW(window_, Widen(text_).c_str());
    if (description_.autoSize && !widthKept) {
        FitToText();
    }
}

void Control::FitToText() {
    const HDC dc = form_.MeasuringDc();
    SelectedObject selected(dc, font_);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    INT digitWidths[10] = {};
    digitsEquallyWide_ = !description_.wordWrap && GetCharWidth32W(dc, L'0', L'9', digitWidths) &&
                         std::all_of(std::begin(digitWidths), std::end(digitWidths),
                                     [&digitWidths](INT width) { return width == digitWidths[0]; });
    int width = 0;
    int height = metrics.tmHeight;
    if (!text_.empty()) {
        const std::wstring wide = Widen(text_);
        RECT bounds{0, 0, description_.wordWrap ? Bounds().right - Bounds().left : 0, 0};
        DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &bounds,
                  DT_CALCRECT | (description_.mnemonic ? 0 : DT_NOPREFIX) | DT_EXPANDTABS |
                      (description_.wordWrap ? DT_WORDBREAK : 0));
        width = description_.joinHyphens ? JoinedHyphensWidth(dc, wide) : bounds.right - bounds.left;
        height = std::max<int>(height, bounds.bottom - bounds.top);
    }
    textWidth_ = width;
    if (widthLimit_) {
        width = std::min(width, *widthLimit_);
    }
    RECT current{};
    GetWindowRect(window_, &current);
    if (current.right - current.left != width || current.bottom - current.top != height) {
        SetWindowPos(window_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// A glyph square as tall as the design's 18 pixels at the screen's resolution.
constexpr int kGlyphSize = 18;

void Control::ShowImage() {
    if (description_.kind == forms::ComponentKind::Picture) {
        picture_ = std::make_unique<PictureView>(window_, description_.image);
    } else if (description_.kind == forms::ComponentKind::Button) {
        glyph_ = SetButtonGlyph(window_, description_.image, form_.Scale(kGlyphSize));
    }
}

bool Control::Animated() const {
    return picture_ != nullptr && picture_->Animated();
}

void Control::SetAnimated(bool animated) {
    if (picture_ != nullptr) {
        picture_->SetAnimated(animated);
    }
}

void Control::SetCursor(Cursor cursor) {
    cursor_ = cursor;
    // A static control without SS_NOTIFY answers the hit test with HTTRANSPARENT and never sees
    // the mouse; frames are such statics.
    if (cursor_ != Cursor::Default && KindInfo(description_.kind).windowClass == std::wstring_view(L"STATIC")) {
        const LONG_PTR style = GetWindowLongPtrW(window_, GWL_STYLE);
        if ((style & SS_NOTIFY) == 0) {
            SetWindowLongPtrW(window_, GWL_STYLE, style | SS_NOTIFY);
        }
    }
}

void Control::SetWidthLimit(std::optional<int> pixels) {
    if (pixels == widthLimit_) {
        return;
    }
    if (pixels && !widthLimit_) {
        // The static control cuts the text it cannot show whole with "...".
        SetWindowLongW(window_, GWL_STYLE, GetWindowLongW(window_, GWL_STYLE) | SS_ENDELLIPSIS);
    }
    widthLimit_ = pixels;
    FitToText();
}

void Control::SetLeft(int left) {
    HWND parent = GetParent(window_);
    POINT place{left, Bounds().top};
    MapWindowPoints(form_.Handle(), parent, &place, 1);
    SetWindowPos(window_, nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Control::SetTop(int top) {
    HWND parent = GetParent(window_);
    POINT place{Bounds().left, top};
    MapWindowPoints(form_.Handle(), parent, &place, 1);
    SetWindowPos(window_, nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Control::SendToBack() {
    // The lowest sibling that is not a frame: this component goes right beneath it.
    HWND lowestControl = nullptr;
    for (HWND sibling = GetWindow(window_, GW_HWNDFIRST); sibling != nullptr;
         sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        const Control* other = form_.ControlById(GetDlgCtrlID(sibling));
        if (sibling != window_ && other != nullptr && other->Handle() == sibling &&
            !KindInfo(other->Kind()).liesBeneath) {
            lowestControl = sibling;
        }
    }
    if (lowestControl != nullptr) {
        SetWindowPos(window_, lowestControl, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void Control::SetVisible(bool visible) {
    visible_ = visible;
    ApplyVisibility();
}

void Control::ApplyVisibility() {
    const bool isShown = (GetWindowLongW(window_, GWL_STYLE) & WS_VISIBLE) != 0;
    if (visible_ != isShown) {
        ShowWindow(window_, visible_ ? SW_SHOWNA : SW_HIDE);
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

// List boxes and combo boxes hold their items alike, under messages of their own.
UINT Control::ListMessage(UINT listBoxMessage, UINT comboBoxMessage) const {
    return description_.kind == forms::ComponentKind::ComboBox ? comboBoxMessage : listBoxMessage;
}

int Control::ItemCount() const {
    const LRESULT count = SendMessageW(window_, ListMessage(LB_GETCOUNT, CB_GETCOUNT), 0, 0);
    return count == LB_ERR ? 0 : static_cast<int>(count);
}

std::string Control::Item(int index) const {
    return ReadItem(index);
}

std::vector<std::string> Control::Items() const {
    const int count = ItemCount();
    std::vector<std::string> items;
    items.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        items.push_back(ReadItem(i));
    }
    return items;
}

std::string Control::ReadItem(int index) const {
    const LRESULT length = SendMessageW(window_, ListMessage(LB_GETTEXTLEN, CB_GETLBTEXTLEN), index, 0);
    if (length == LB_ERR) {
        throw std::out_of_range(std::string(description_.name) + ": no item " + std::to_string(index));
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied =
        SendMessageW(window_, ListMessage(LB_GETTEXT, CB_GETLBTEXT), index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied < 0 ? 0 : copied));
    return Narrow(text);
}

void Control::AddItem(std::string_view text) {
    SendMessageW(window_, ListMessage(LB_ADDSTRING, CB_ADDSTRING), 0, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

void Control::DeleteItem(int index) {
    SendMessageW(window_, ListMessage(LB_DELETESTRING, CB_DELETESTRING), index, 0);
}

void Control::ClearItems() {
    if (description_.kind == forms::ComponentKind::ComboBox && !description_.readOnly) {
        // CB_RESETCONTENT would empty the edit box too, and that text is no item.
        for (int index = ItemCount() - 1; index >= 0; --index) {
            DeleteItem(index);
        }
        return;
    }
    SendMessageW(window_, ListMessage(LB_RESETCONTENT, CB_RESETCONTENT), 0, 0);
}

int Control::ItemIndex() const {
    const LRESULT index = SendMessageW(window_, ListMessage(LB_GETCURSEL, CB_GETCURSEL), 0, 0);
    return index == LB_ERR ? -1 : static_cast<int>(index);
}

void Control::SetItemIndex(int index) {
    SendMessageW(window_, ListMessage(LB_SETCURSEL, CB_SETCURSEL), index, 0);
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

}  // namespace orvanta::toolkit
