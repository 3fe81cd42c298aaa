#include "core/digit_texts.h"

namespace orvanta {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

bool DiffersOnlyInDigits(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i] && !(IsDigit(a[i]) && IsDigit(b[i]))) {
            return false;
        }
    }
    return true;
}

}  // namespace orvanta
