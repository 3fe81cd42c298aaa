#pragma once

#include <string_view>

namespace orvanta {

// Whether two texts are alike but for digits standing in each other's place ("10:42:09" and
// "10:42:10"): in a font whose digits are equally wide, as nearly every font's are, such texts
// are equally wide too, and a label that fits its text need not measure it again.
bool DiffersOnlyInDigits(std::string_view a, std::string_view b);

}  // namespace orvanta
