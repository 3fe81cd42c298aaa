#pragma once

namespace orvanta {

inline constexpr const char* kProgramTitle = "Orvanta v2.7f";
inline constexpr const char* kAboutTitle = "About Orvanta v2.7f ...";
inline constexpr const char* kHelpTitle = "Orvanta v2.7f Help ...";

}  // namespace orvanta
