#pragma once

#include <memory>

#include "ports/registry.h"

namespace orvanta::toolkit {

// The registry through advapi32's wide functions, so that a path outside the ANSI code page is
// stored and read back whole.
std::unique_ptr<Registry> OpenWinRegistry(RegistryRoot root);

}  // namespace orvanta::toolkit
