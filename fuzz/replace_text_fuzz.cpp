// Replace_Text with any source, pattern and replacement, one a line. Where the replacement is
// shorter than the pattern, every step shortens the text, so the result must be that of the plain
// search-from-the-start loop, and hold no occurrence.

#include <string>

#include "fuzz_input.h"
#include "core/replace_text.h"

using namespace orvanta;

namespace {

// The callers pass short patterns: a ":" taken out of a description, a clock text's ".5". Longer
// texts reach nothing new; a growing replacement rescans up to a million characters, each checked
// against the pattern, so long ones only slow every run down (seconds for 256-character texts).
constexpr std::size_t kMaxTextSize = 64;

std::string ReplaceFromTheStart(std::string text, std::string_view pattern, std::string_view replacement) {
    for (auto at = text.find(pattern); at != std::string::npos; at = text.find(pattern)) {
        text.replace(at, pattern.size(), replacement);
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    const std::string_view source = input.Line();
    const std::string_view pattern = input.Line();
    const std::string_view replacement = input.Line();
    if (source.size() > kMaxTextSize || pattern.size() > kMaxTextSize || replacement.size() > kMaxTextSize) {
        return -1;  // not worth keeping in the corpus
    }
    const std::string result = Replace_Text(source, pattern, replacement);
    if (source.empty() || pattern.empty()) {
        fuzz::Require(result == source, "an empty source or pattern changed the text");
    } else if (replacement.size() < pattern.size()) {
        fuzz::Require(result == ReplaceFromTheStart(std::string(source), pattern, replacement),
                      "differs from searching again from the start");
    }
    return 0;
}
