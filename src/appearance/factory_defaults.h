#pragma once

#include <string>

namespace orvanta {

// The question asked before the settings are thrown away.
std::string RestoreFactoryDefaultsQuestion();

}  // namespace orvanta
