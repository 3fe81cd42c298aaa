#include "core/replace_text.h"

#include <algorithm>
#include <cstddef>

namespace orvanta {

namespace {

// The ceiling on the characters a growing rescan may put back for reading, so that a
// replacement that keeps re-forming the pattern with its neighbours ("ab" -> "bbaa" in "aab")
// cannot run forever. Quadratic in the input so that settling a short text by many small
// steps is still done exactly; bounded so that a long one cannot take minutes.
constexpr std::size_t kMaxRescanBudget = std::size_t{1} << 20;

std::size_t RescanBudget(std::size_t sourceSize, std::size_t replacementSize) {
    const std::size_t base = sourceSize + replacementSize + 16;
    // From here on the square is past the ceiling anyway (and could overflow).
    if (base >= (std::size_t{1} << 8)) {
        return kMaxRescanBudget;
    }
    return std::min(16 * base * base, kMaxRescanBudget);
}

// One pass from left to right; the inserted text is never searched again.
std::string ReplaceOnce(std::string_view source, std::string_view pattern, std::string_view replacement) {
    std::string result;
    result.reserve(source.size());
    std::size_t from = 0;
    for (std::size_t at = source.find(pattern); at != std::string_view::npos; at = source.find(pattern, from)) {
        result.append(source.substr(from, at - from));
        result.append(replacement);
        from = at + pattern.size();
    }
    result.append(source.substr(from));
    return result;
}

// Replaces the first occurrence counted from the start of the text, again and again, until none
// is left. Rather than searching the whole text each time, the text is read one character at a
// time into `settled`, which never holds an occurrence; the first time it ends with the pattern,
// that is the leftmost occurrence of the whole text. The pattern is then taken off and the
// replacement put in front of what is still to be read, so occurrences it forms with either
// neighbour are found exactly as a search from the start would find them.
//
// A replacement shorter than the pattern shortens the text each time, so that always ends. A
// longer one can grow the text for ever (and one of the same length could in principle go round
// in circles); when the budget runs out, the result is that of a single pass over the source,
// which is what the caller would have expected in the first place.
std::string ReplaceRescanning(std::string_view source, std::string_view pattern, std::string_view replacement) {
    std::string settled;
    settled.reserve(source.size());
    std::string unread(source.rbegin(), source.rend());  // the next character is at the back
    const bool canGrow = replacement.size() >= pattern.size();
    std::size_t budget = canGrow ? RescanBudget(source.size(), replacement.size()) : 0;

    while (!unread.empty()) {
        settled.push_back(unread.back());
        unread.pop_back();
        if (!std::string_view(settled).ends_with(pattern)) {
            continue;
        }
        if (canGrow) {
            if (budget < replacement.size()) {
                return ReplaceOnce(source, pattern, replacement);
            }
            budget -= replacement.size();
        }
        settled.resize(settled.size() - pattern.size());
        unread.append(replacement.rbegin(), replacement.rend());
    }
    return settled;
}

}  // namespace

std::string Replace_Text(std::string_view source, std::string_view pattern, std::string_view replacement) {
    if (source.empty() || pattern.empty()) {
        return std::string(source);
    }
    if (replacement.find(pattern) != std::string_view::npos) {
        // Searching again would find the pattern inside every copy of the replacement, for ever:
        // each occurrence in the source is replaced once, and what is put in is never searched.
        return ReplaceOnce(source, pattern, replacement);
    }
    return ReplaceRescanning(source, pattern, replacement);
}

std::string_view WithoutOuterBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace orvanta
