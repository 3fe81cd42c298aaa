#include "core/decimal_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace orvanta {

namespace {

template <typename... Args>
std::string Printed(const char* format, Args... args) {
    const int length = std::snprintf(nullptr, 0, format, args...);
    if (length <= 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, format, args...);
    return text;
}

bool ReadsBackAs(const std::string& text, double value) {
    return std::strtod(text.c_str(), nullptr) == value;
}

}  // namespace

std::string FixedDecimal(double value, int decimals) {
    return Printed("%.*f", decimals, value);
}

std::string ShortestDecimal(double value) {
    if (!std::isfinite(value)) {
        return Printed("%g", value);
    }
    // The fewest significant digits that read back; seventeen always do.
    int precision = 0;
    std::string scientific = Printed("%.*e", precision, value);
    while (precision < 16 && !ReadsBackAs(scientific, value)) {
        scientific = Printed("%.*e", ++precision, value);
    }
    // The same digits in fixed form: as many decimals as lie below the units.
    const int exponent = std::atoi(scientific.c_str() + scientific.find('e') + 1);
    std::string fixed = Printed("%.*f", precision > exponent ? precision - exponent : 0, value);
    if (!ReadsBackAs(fixed, value)) {
        return scientific;
    }
    // printf writes a two-digit exponent at least ("1e-05"), as the shortest form does.
    return fixed.size() <= scientific.size() ? fixed : scientific;
}

std::optional<double> ReadDecimal(std::string_view text) {
    const std::string terminated(text);
    const double value = std::strtod(terminated.c_str(), nullptr);
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace orvanta
