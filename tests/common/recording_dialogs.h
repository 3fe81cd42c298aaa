#pragma once

#include <deque>
#include <string>
#include <vector>

#include "ports/message_dialogs.h"

namespace orvanta {

// Message dialogs that record what they were asked to show and answer from a list, or with the
// default button once the list is used up.
class RecordingDialogs final : public MessageDialogs {
  public:
    struct Shown {
        MessageKind kind;
        std::string text;
        ButtonSet buttons;
        DialogButton defaultButton;
    };

    DialogButton Show(MessageKind kind, std::string_view text, ButtonSet buttons, DialogButton defaultButton) override {
        shown.push_back({kind, std::string(text), buttons, defaultButton});
        if (answers.empty()) {
            return defaultButton;
        }
        const DialogButton answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<Shown> shown;
    std::deque<DialogButton> answers;
};

}  // namespace orvanta
