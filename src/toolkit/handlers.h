#pragma once

#include <functional>
#include <string>
#include <unordered_map>

namespace orvanta::toolkit {

// What an event handler may learn or answer.
struct EventArgs {
    bool canClose = true;        // CloseQuery: set false to refuse the close
    bool endingSession = false;  // CloseQuery: Windows is ending the session, whatever the answer
    unsigned key = 0;            // KeyDown: the virtual-key code
    int steps = 1;               // UpClick, DownClick: steps taken at once (a held arrow, a page key)
};

using Handler = std::function<void(EventArgs&)>;
// A form class's handlers by the names its form description gives them.
using HandlerTable = std::unordered_map<std::string, Handler>;

// Binds a member function, with or without EventArgs, as a handler.
template <typename FormClass>
Handler Bind(FormClass* form, void (FormClass::*method)()) {
    return [form, method](EventArgs&) { (form->*method)(); };
}
template <typename FormClass>
Handler Bind(FormClass* form, void (FormClass::*method)(EventArgs&)) {
    return [form, method](EventArgs& args) { (form->*method)(args); };
}

}  // namespace orvanta::toolkit
