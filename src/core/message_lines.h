#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace orvanta {

// A multi-line message as the message dialogs show it: the lines joined with CR LF, an empty
// line standing for an empty line of the message.
std::string JoinMessageLines(std::initializer_list<std::string_view> lines);

}  // namespace orvanta
