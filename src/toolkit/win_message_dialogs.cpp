#include "toolkit/win_message_dialogs.h"

#include <algorithm>
#include <vector>

#include "toolkit/fonts.h"
#include "toolkit/form.h"
#include "toolkit/handles.h"
#include "toolkit/win_text.h"

namespace orvanta::toolkit {

namespace {

using forms::ComponentDescription;
using forms::ComponentKind;
using forms::ModalResult;

constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kTextLeft = kMargin + kIconSize + 12;
constexpr int kMaxTextWidth = 420;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 6;

struct ButtonChoice {
    DialogButton button;
    const char* caption;
    ModalResult result;
};

std::vector<ButtonChoice> ButtonsOf(ButtonSet set) {
    switch (set) {
        case ButtonSet::Ok:
            return {{DialogButton::Ok, "OK", ModalResult::Ok}};
        case ButtonSet::YesNo:
            return {{DialogButton::Yes, "&Yes", ModalResult::Yes}, {DialogButton::No, "&No", ModalResult::No}};
        case ButtonSet::YesCancel:
            return {{DialogButton::Yes, "&Yes", ModalResult::Yes},
                    {DialogButton::Cancel, "Cancel", ModalResult::Cancel}};
    }
    return {};
}

DialogButton ButtonOf(ModalResult result) {
    switch (result) {
        case ModalResult::Yes:
            return DialogButton::Yes;
        case ModalResult::No:
            return DialogButton::No;
        case ModalResult::Cancel:
            return DialogButton::Cancel;
        default:
            return DialogButton::Ok;
    }
}

// The system's message font, in pixels at 96 DPI as form descriptions give fonts.
forms::FontSpec MessageFont(int dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        return {"MS Sans Serif", -11};
    }
    return {Narrow(metrics.lfMessageFont.lfFaceName), MulDiv(metrics.lfMessageFont.lfHeight, 96, dpi)};
}

SIZE MeasureText(const std::string& text, const forms::FontSpec& font, int dpi) {
    const UniqueFont handle = CreateScaledFont(font, dpi);
    WindowDc dc(nullptr);
    SelectedObject selected(dc.Get(), handle.Get());
    const std::wstring wide = Widen(text.empty() ? " " : text);
    RECT bounds{0, 0, MulDiv(kMaxTextWidth, dpi, 96), 0};
    DrawTextW(dc.Get(), wide.c_str(), static_cast<int>(wide.size()), &bounds,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
    // Back to design pixels, rounding up so that nothing is cut.
    return {MulDiv(bounds.right, 96, dpi) + 2, MulDiv(bounds.bottom, 96, dpi) + 1};
}

// The description lives as long as the dialog. It is held by a base listed before Form, so that
// it is built before Form keeps a reference to it.
struct OwnedDescription {
    forms::FormDescription description;
};

class MessageDialogForm final : private OwnedDescription, public Form {
  public:
    MessageDialogForm(forms::FormDescription built, HWND owner)
        : OwnedDescription{std::move(built)}, Form(OwnedDescription::description) {
        Create({}, owner);
    }
};

}  // namespace

const char* MessageKindTitle(MessageKind kind) {
    switch (kind) {
        case MessageKind::Error:
            return "Error";
        case MessageKind::Information:
            return "Information";
        case MessageKind::Warning:
            return "Warning";
    }
    return "";
}

DialogButton WinMessageDialogs::Show(MessageKind kind,
                                     std::string_view text,
                                     ButtonSet buttons,
                                     DialogButton defaultButton) {
    const int dpi = ScreenDpi();
    const forms::FontSpec font = MessageFont(dpi);
    const std::string message(text);
    const SIZE textSize = MeasureText(message, font, dpi);
    const std::vector<ButtonChoice> choices = ButtonsOf(buttons);

    forms::FormDescription d;
    d.className = "OrvantaMessageDialog";
    d.name = "MessageDialog";
    d.caption = MessageKindTitle(kind);
    d.border = forms::BorderStyle::Dialog;
    d.placement = forms::Placement::ScreenCenter;
    d.font = font;

    const int buttonsWidth = static_cast<int>(choices.size()) * (kButtonWidth + kButtonGap) - kButtonGap;
    const int textTop = kMargin + std::max(0, (kIconSize - static_cast<int>(textSize.cy)) / 2);
    const int contentBottom = std::max(kMargin + kIconSize, textTop + static_cast<int>(textSize.cy));
    const int buttonsTop = contentBottom + 14;
    d.clientWidth = std::max(kTextLeft + static_cast<int>(textSize.cx) + kMargin, buttonsWidth + 2 * kMargin);
    d.clientHeight = buttonsTop + kButtonHeight + kMargin;

    ComponentDescription icon;
    icon.kind = ComponentKind::Picture;
    icon.name = "Icon";
    icon.left = kMargin;
    icon.top = kMargin;
    icon.width = kIconSize;
    icon.height = kIconSize;
    icon.caption = kind == MessageKind::Error ? "error" : kind == MessageKind::Warning ? "warning" : "information";
    d.components.push_back(icon);

    ComponentDescription label;
    label.kind = ComponentKind::Label;
    label.name = "Message";
    label.left = kTextLeft;
    label.top = textTop;
    label.width = textSize.cx;
    label.height = textSize.cy;
    label.wordWrap = true;
    label.caption = message;
    d.components.push_back(label);

    int left = (d.clientWidth - buttonsWidth) / 2;
    d.cancelResult = choices.back().result;
    std::string firstButton;
    for (const ButtonChoice& choice : choices) {
        ComponentDescription button;
        button.kind = ComponentKind::Button;
        button.name = std::string(choice.caption[0] == '&' ? choice.caption + 1 : choice.caption) + "Button";
        button.caption = choice.caption;
        button.left = left;
        button.top = buttonsTop;
        button.width = kButtonWidth;
        button.height = kButtonHeight;
        button.modalResult = choice.result;
        button.isDefault = choice.button == defaultButton;
        if (button.isDefault) {
            d.activeControl = button.name;
        }
        if (firstButton.empty()) {
            firstButton = button.name;
        }
        d.components.push_back(button);
        left += kButtonWidth + kButtonGap;
    }
    // A default that the button set does not hold: the focus starts on the first button.
    if (d.activeControl.empty()) {
        d.activeControl = firstButton;
    }

    HWND owner = GetActiveWindow();
    if (owner == nullptr) {
        owner = fallbackOwner_;
    }
    MessageBeep(kind == MessageKind::Error     ? MB_ICONERROR
                : kind == MessageKind::Warning ? MB_ICONWARNING
                                               : MB_ICONINFORMATION);
    MessageDialogForm dialog(std::move(d), owner);
    return ButtonOf(dialog.ShowModal());
}

}  // namespace orvanta::toolkit
