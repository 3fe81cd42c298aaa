#include "toolkit/win_message_dialogs.h"

#include <algorithm>
#include <cstdint>
#include <string>
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
    const char* name;
    const char* caption;
    ModalResult result;
};

std::vector<ButtonChoice> ButtonsOf(ButtonSet set) {
    switch (set) {
        case ButtonSet::Ok:
            return {{DialogButton::Ok, "OKButton", "OK", ModalResult::Ok}};
        case ButtonSet::YesNo:
            return {{DialogButton::Yes, "YesButton", "&Yes", ModalResult::Yes},
                    {DialogButton::No, "NoButton", "&No", ModalResult::No}};
        case ButtonSet::YesCancel:
            return {{DialogButton::Yes, "YesButton", "&Yes", ModalResult::Yes},
                    {DialogButton::Cancel, "CancelButton", "Cancel", ModalResult::Cancel}};
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

// The system's message face and its height in pixels at 96 DPI, as form descriptions give fonts.
struct MessageFont {
    std::string face = "MS Sans Serif";
    int height = -11;
};

MessageFont SystemMessageFont(int dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        return {};
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

// A length of the layout as descriptions hold it; a text too long for any screen is cut short.
std::int16_t Pixels(long value) {
    return static_cast<std::int16_t>(std::clamp<long>(value, INT16_MIN, INT16_MAX));
}

// A description made at run time and what it points at: the text, the face and the components. It
// lives as long as the dialog and never moves, since the views into its strings would not follow.
// It is a base listed before Form, so that it is built before Form keeps a reference to it.
class OwnedDescription {
  public:
    OwnedDescription(MessageKind kind, std::string_view text, ButtonSet buttons, DialogButton defaultButton);
    OwnedDescription(const OwnedDescription&) = delete;
    OwnedDescription& operator=(const OwnedDescription&) = delete;

  protected:
    forms::FormDescription built_;

  private:
    std::string message_;
    MessageFont font_;
    std::vector<ComponentDescription> components_;
};

OwnedDescription::OwnedDescription(MessageKind kind,
                                   std::string_view text,
                                   ButtonSet buttons,
                                   DialogButton defaultButton)
    : message_(text) {
    const int dpi = ScreenDpi();
    font_ = SystemMessageFont(dpi);
    forms::FormDescription& d = built_;
    d.className = "OrvantaMessageDialog";
    d.name = "MessageDialog";
    d.caption = MessageKindTitle(kind);
    d.border = forms::BorderStyle::Dialog;
    d.placement = forms::Placement::ScreenCenter;
    d.font = {font_.face, static_cast<std::int16_t>(font_.height)};

    const SIZE textSize = MeasureText(message_, d.font, dpi);
    const std::vector<ButtonChoice> choices = ButtonsOf(buttons);
    const int buttonsWidth = static_cast<int>(choices.size()) * (kButtonWidth + kButtonGap) - kButtonGap;
    const int textTop = kMargin + std::max(0, (kIconSize - static_cast<int>(textSize.cy)) / 2);
    const int contentBottom = std::max(kMargin + kIconSize, textTop + static_cast<int>(textSize.cy));
    const int buttonsTop = contentBottom + 14;
    d.clientWidth = std::max(kTextLeft + static_cast<int>(textSize.cx) + kMargin, buttonsWidth + 2 * kMargin);
    d.clientHeight = buttonsTop + kButtonHeight + kMargin;

    auto& c = components_;
    c.push_back({.kind = ComponentKind::Picture,
                 .name = "Icon",
                 .left = kMargin,
                 .top = kMargin,
                 .width = kIconSize,
                 .height = kIconSize,
                 .caption = kind == MessageKind::Error     ? "error"
                            : kind == MessageKind::Warning ? "warning"
                                                           : "information"});
    c.push_back({.kind = ComponentKind::Label,
                 .name = "Message",
                 .left = kTextLeft,
                 .top = Pixels(textTop),
                 .width = Pixels(textSize.cx),
                 .height = Pixels(textSize.cy),
                 .caption = message_,
                 .wordWrap = true});

    int left = (d.clientWidth - buttonsWidth) / 2;
    d.cancelResult = choices.back().result;
    for (const ButtonChoice& choice : choices) {
        c.push_back({.kind = ComponentKind::Button,
                     .name = choice.name,
                     .left = Pixels(left),
                     .top = Pixels(buttonsTop),
                     .width = kButtonWidth,
                     .height = kButtonHeight,
                     .caption = choice.caption,
                     .isDefault = choice.button == defaultButton,
                     .modalResult = choice.result});
        if (choice.button == defaultButton) {
            d.activeControl = choice.name;
        }
        left += kButtonWidth + kButtonGap;
    }
    // A default that the button set does not hold: the focus starts on the first button.
    if (d.activeControl.empty()) {
        d.activeControl = choices.front().name;
    }
    d.components = components_;
}

class MessageDialogForm final : private OwnedDescription, public Form {
  public:
    MessageDialogForm(MessageKind kind,
                      std::string_view text,
                      ButtonSet buttons,
                      DialogButton defaultButton,
                      HWND owner)
        : OwnedDescription(kind, text, buttons, defaultButton), Form(built_) {
        // Its buttons close it by their modal results: no handler of its own.
        Create(nullptr, owner);
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
    HWND owner = GetActiveWindow();
    if (owner == nullptr) {
        owner = fallbackOwner_;
    }
    MessageBeep(kind == MessageKind::Error     ? MB_ICONERROR
                : kind == MessageKind::Warning ? MB_ICONWARNING
                                               : MB_ICONINFORMATION);
    MessageDialogForm dialog(kind, text, buttons, defaultButton, owner);
    if (preferences_ != nullptr) {
        dialog.FollowSystemLook(*preferences_);
    }
    return ButtonOf(dialog.ShowModal());
}

}  // namespace orvanta::toolkit
