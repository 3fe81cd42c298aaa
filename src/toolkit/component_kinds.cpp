#include "toolkit/component_kinds.h"

#include <commctrl.h>

#include <array>
#include <string>

#include "toolkit/form.h"
#include "toolkit/win_text.h"

namespace orvanta::toolkit {

namespace {

using forms::ComponentDescription;
using forms::ComponentKind;

// Only the direction of a spin button's click matters; its position is kept in the middle.
constexpr int kUpDownRange = 1000;

DWORD LabelStyle(const ComponentDescription& d, bool clickable) {
    const DWORD notify = (clickable ? SS_NOTIFY : 0) | (d.mnemonic ? 0 : SS_NOPREFIX);
    switch (d.alignment) {
        case forms::Alignment::Center:
            return notify | SS_CENTER;
        case forms::Alignment::Right:
            return notify | SS_RIGHT;
        case forms::Alignment::Left:
            break;
    }
    return notify | (d.wordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP);
}

DWORD EditStyle(const ComponentDescription& d, bool) {
    return d.readOnly ? ES_READONLY : 0;
}

DWORD PushButtonStyle(const ComponentDescription& d, bool) {
    return d.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

// A system icon is centred in its place; an embedded image is drawn to fill it.
DWORD PictureStyle(const ComponentDescription& d, bool clickable) {
    return (clickable ? SS_NOTIFY : 0) | (d.image.empty() ? SS_ICON | SS_CENTERIMAGE : SS_BITMAP);
}

DWORD BevelStyle(const ComponentDescription& d, bool) {
    return d.raised ? 0 : SS_ETCHEDFRAME;
}

DWORD ComboBoxStyle(const ComponentDescription& d, bool) {
    return d.readOnly ? CBS_DROPDOWNLIST : CBS_DROPDOWN | CBS_AUTOHSCROLL;
}

void FillListBox(Control& list, const Form& form) {
    const auto& d = list.Description();
    if (d.itemHeight > 0 && d.kind == ComponentKind::ListBox) {
        SendMessageW(list.Handle(), LB_SETITEMHEIGHT, 0, form.Scale(d.itemHeight));
    }
    for (const auto& item : d.items) {
        list.AddItem(item);
    }
}

// A held arrow speeds up to two steps at a time after a second; Page Up and Page Down take two.
constexpr UDACCEL kSpinAcceleration[] = {{0, 1}, {1, 2}};
constexpr int kSpinPageSteps = 2;

// Asks the spin button's form for a number of steps, as a click of its arrows does.
void RequestSpinSteps(HWND spin, int steps) {
    NMUPDOWN change{};
    change.hdr.hwndFrom = spin;
    change.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(spin));
    change.hdr.code = UDN_DELTAPOS;
    change.iPos = static_cast<int>(SendMessageW(spin, UDM_GETPOS32, 0, 0));
    change.iDelta = steps;
    SendMessageW(GetParent(spin), WM_NOTIFY, change.hdr.idFrom, reinterpret_cast<LPARAM>(&change));
}

bool CursorOver(HWND window) {
    POINT cursor{};
    GetCursorPos(&cursor);
    RECT bounds{};
    GetWindowRect(window, &bounds);
    return PtInRect(&bounds, cursor) != FALSE;
}

LRESULT CALLBACK SpinSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data);

}  // namespace

bool StepSpinFromInput(HWND spin, UINT message, WPARAM wParam) {
    DWORD_PTR data = 0;
    if (!GetWindowSubclass(spin, &SpinSubclassProc, 0, &data) || data == 0) {
        return false;
    }
    int& wheelRemainder = *reinterpret_cast<int*>(data);
    if (message == WM_KEYDOWN && (wParam == VK_PRIOR || wParam == VK_NEXT)) {
        RequestSpinSteps(spin, wParam == VK_PRIOR ? kSpinPageSteps : -kSpinPageSteps);
        return true;
    }
    if (message == WM_MOUSEWHEEL) {
        const HWND buddy = reinterpret_cast<HWND>(SendMessageW(spin, UDM_GETBUDDY, 0, 0));
        if (!CursorOver(spin) && (buddy == nullptr || !CursorOver(buddy))) {
            return false;
        }
        wheelRemainder += GET_WHEEL_DELTA_WPARAM(wParam);
        const int notches = wheelRemainder / WHEEL_DELTA;
        wheelRemainder -= notches * WHEEL_DELTA;
        if (notches != 0) {
            RequestSpinSteps(spin, notches);
        }
        return true;
    }
    return false;
}

namespace {

// A spin button with the focus steps with Up and Down; the dialog keys would otherwise take them to
// move the focus. Its reference data is its wheel remainder.
LRESULT CALLBACK SpinSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* wheelRemainder = reinterpret_cast<int*>(data);
    if (message == WM_GETDLGCODE) {
        return DefSubclassProc(window, message, wParam, lParam) | DLGC_WANTARROWS;
    }
    if (StepSpinFromInput(window, message, wParam)) {
        return 0;
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, &SpinSubclassProc, 0);
        delete wheelRemainder;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

// The buddy passes the page keys and the wheel on to its spin button.
LRESULT CALLBACK
SpinBuddySubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR spin) {
    if (StepSpinFromInput(reinterpret_cast<HWND>(spin), message, wParam)) {
        return 0;
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, &SpinBuddySubclassProc, 0);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

void AttachSpinBuddy(HWND spin, HWND buddy) {
    SetWindowSubclass(buddy, &SpinBuddySubclassProc, 0, reinterpret_cast<DWORD_PTR>(spin));
}

namespace {

void FillUpDown(Control& spin, const Form&) {
    SendMessageW(spin.Handle(), UDM_SETRANGE32, static_cast<WPARAM>(-kUpDownRange), kUpDownRange);
    SendMessageW(spin.Handle(), UDM_SETPOS32, 0, 0);
    SendMessageW(spin.Handle(), UDM_SETACCEL, std::size(kSpinAcceleration),
                 reinterpret_cast<LPARAM>(kSpinAcceleration));
    SetWindowSubclass(spin.Handle(), &SpinSubclassProc, 0, reinterpret_cast<DWORD_PTR>(new int(0)));
}

void FillTabs(Control& tabs, const Form&) {
    const auto& pages = tabs.Description().items;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        std::wstring caption = Widen(pages[i]);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageW(tabs.Handle(), TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
}

void FillGrid(Control& grid, const Form& form) {
    const auto& d = grid.Description();
    SendMessageW(grid.Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    for (std::size_t i = 0; i < d.columnWidths.size(); ++i) {
        LVCOLUMNW column{};
        column.mask = LVCF_WIDTH | LVCF_TEXT;
        column.cx = form.Scale(d.columnWidths[i]);
        column.pszText = const_cast<wchar_t*>(L"");
        SendMessageW(grid.Handle(), LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
    for (int row = 0; row < d.rowCount; ++row) {
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = const_cast<wchar_t*>(L"");
        SendMessageW(grid.Handle(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    FitGridColumns(grid);
}

// A picture's caption names a system icon: "error", "warning" or "information".
void FillPicture(Control& picture, const Form&) {
    const std::string_view name = picture.Description().caption;
    const wchar_t* icon = name == "error"         ? IDI_ERROR
                          : name == "warning"     ? IDI_WARNING
                          : name == "information" ? IDI_INFORMATION
                                                  : nullptr;
    if (icon != nullptr) {
        SendMessageW(picture.Handle(), STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(nullptr, icon)), 0);
    }
}

// In the order of forms::ComponentKind.
constexpr std::array<ComponentKindInfo, 13> kKinds{{
    {.kind = ComponentKind::Label,
     .windowClass = L"STATIC",
     .describedStyle = &LabelStyle,
     .hasCaption = true,
     .clickNotification = STN_CLICKED},
    {.kind = ComponentKind::Edit,
     .windowClass = L"EDIT",
     .style = WS_TABSTOP | ES_AUTOHSCROLL,
     .exStyle = WS_EX_CLIENTEDGE,
     .describedStyle = &EditStyle,
     .hasCaption = true,
     .userEditsText = true},
    {.kind = ComponentKind::Button,
     .windowClass = L"BUTTON",
     .style = WS_TABSTOP,
     .describedStyle = &PushButtonStyle,
     .hasCaption = true,
     .clickNotification = BN_CLICKED},
    {.kind = ComponentKind::CheckBox,
     .windowClass = L"BUTTON",
     .style = WS_TABSTOP | BS_AUTOCHECKBOX,
     .hasCaption = true,
     .clickNotification = BN_CLICKED},
    {.kind = ComponentKind::ListBox,
     .windowClass = L"LISTBOX",
     .style = WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
     .exStyle = WS_EX_CLIENTEDGE,
     .hasCaption = true,
     .clickNotification = LBN_SELCHANGE,
     .fill = &FillListBox},
    {.kind = ComponentKind::UpDown,
     .windowClass = UPDOWN_CLASSW,
     .style = WS_TABSTOP | UDS_ARROWKEYS,
     .hasCaption = true,
     .fill = &FillUpDown},
    {.kind = ComponentKind::Tabs,
     .windowClass = WC_TABCONTROLW,
     .style = WS_TABSTOP,
     .hasCaption = true,
     .liesBeneath = true,
     .fill = &FillTabs},
    {.kind = ComponentKind::Grid,
     .windowClass = WC_LISTVIEWW,
     .style = WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_NOSORTHEADER | LVS_SHOWSELALWAYS,
     .exStyle = WS_EX_CLIENTEDGE,
     .hasCaption = true,
     .fill = &FillGrid},
    {.kind = ComponentKind::Bevel,
     .windowClass = L"STATIC",
     .describedStyle = &BevelStyle,
     .hasCaption = true,
     .isFrame = true,
     .liesBeneath = true},
    {.kind = ComponentKind::GroupBox,
     .windowClass = L"BUTTON",
     .style = BS_GROUPBOX,
     .hasCaption = true,
     .isFrame = true,
     .liesBeneath = true},
    {.kind = ComponentKind::Panel,
     .windowClass = L"STATIC",
     .style = SS_ETCHEDFRAME,
     .hasCaption = true,
     .isFrame = true,
     .liesBeneath = true},
    {.kind = ComponentKind::Picture,
     .windowClass = L"STATIC",
     .describedStyle = &PictureStyle,
     .clickNotification = STN_CLICKED,
     .fill = &FillPicture},
    {.kind = ComponentKind::ComboBox,
     .windowClass = WC_COMBOBOXW,
     .style = WS_TABSTOP | WS_VSCROLL,
     .describedStyle = &ComboBoxStyle,
     .clickNotification = CBN_SELCHANGE,
     .userEditsText = true,
     .fill = &FillListBox},
}};

constexpr bool InKindOrder() {
    for (std::size_t i = 0; i < kKinds.size(); ++i) {
        if (static_cast<std::size_t>(kKinds[i].kind) != i) {
            return false;
        }
    }
    return true;
}
static_assert(InKindOrder(), "one row for each component kind, in the order of forms::ComponentKind");

}  // namespace

void FitGridColumns(const Control& grid) {
    const auto& d = grid.Description();
    // The columns share the client width left beside the scroll bar in their designed proportions,
    // so that the header ends where the last column does.
    RECT client{};
    GetClientRect(grid.Handle(), &client);
    int designed = 0;
    for (int width : d.columnWidths) {
        designed += width;
    }
    int left = 0;
    for (std::size_t i = 0; designed > 0 && i < d.columnWidths.size(); ++i) {
        const int right =
            i + 1 == d.columnWidths.size() ? client.right : left + MulDiv(client.right, d.columnWidths[i], designed);
        SendMessageW(grid.Handle(), LVM_SETCOLUMNWIDTH, i, MAKELPARAM(right - left, 0));
        left = right;
    }
}

const ComponentKindInfo& KindInfo(forms::ComponentKind kind) {
    return kKinds.at(static_cast<std::size_t>(kind));
}

}  // namespace orvanta::toolkit
