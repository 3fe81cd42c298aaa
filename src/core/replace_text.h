#pragma once

#include <string>
#include <string_view>

namespace orvanta {

// Replaces every occurrence of the pattern, searching again from the start after each replacement,
// so that an occurrence formed by a replacement and its neighbours is replaced too
// (removing "ab" from "aabb" gives ""); a replacement that holds the pattern is put in once for each
// occurrence in the source. Case-sensitive. An empty source or pattern returns the
// source unchanged. Always terminates.
std::string Replace_Text(std::string_view source, std::string_view pattern, std::string_view replacement);

// The text without the blanks before and after it; empty when it holds nothing else.
std::string_view WithoutOuterBlanks(std::string_view text);

}  // namespace orvanta
