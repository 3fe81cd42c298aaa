#pragma once

#include <string_view>

namespace orvanta {

enum class MessageKind { Error, Information, Warning };
enum class ButtonSet { Ok, YesNo, YesCancel };
enum class DialogButton { Ok, Yes, No, Cancel };

// Modal message dialogs: the title is the kind's name ("Error", "Information", "Warning"),
// the icon follows the kind. Escape answers Cancel, or No where there is no Cancel.
class MessageDialogs {
  public:
    virtual ~MessageDialogs() = default;
    virtual DialogButton Show(MessageKind kind,
                              std::string_view text,
                              ButtonSet buttons,
                              DialogButton defaultButton) = 0;

    void Inform(std::string_view text) { Show(MessageKind::Information, text, ButtonSet::Ok, DialogButton::Ok); }
    void Warn(std::string_view text) { Show(MessageKind::Warning, text, ButtonSet::Ok, DialogButton::Ok); }
    void Fail(std::string_view text) { Show(MessageKind::Error, text, ButtonSet::Ok, DialogButton::Ok); }
};

}  // namespace orvanta
