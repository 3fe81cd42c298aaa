#include "fuzz_input.h"

#include <cstdio>
#include <cstdlib>

namespace orvanta::fuzz {

void Fail(const std::string& message) {
    std::fprintf(stderr, "property failed: %s\n", message.c_str());
    std::abort();
}

}  // namespace orvanta::fuzz
