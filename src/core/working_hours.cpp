#include "core/working_hours.h"

#include "core/replace_text.h"

namespace orvanta {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

bool WorkingHours::Valid() const {
    return startMinutes >= 0 && endMinutes <= kMinutesPerDay && startMinutes < endMinutes &&
           startMinutes % kWorkingHoursStepMinutes == 0 && endMinutes % kWorkingHoursStepMinutes == 0;
}

std::string WorkingTimeText(int minutes) {
    const int hour = minutes / 60;
    const int minute = minutes % 60;
    return {static_cast<char>('0' + hour / 10), static_cast<char>('0' + hour % 10), ':',
            static_cast<char>('0' + minute / 10), static_cast<char>('0' + minute % 10)};
}

std::optional<int> ParseWorkingTime(std::string_view text) {
    text = WithoutOuterBlanks(text);
    if (text.empty()) {
        return std::nullopt;
    }
    const auto colon = text.find(':');
    if (colon == std::string_view::npos || colon < 1 || colon > 2 || text.size() != colon + 3) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i != colon && !IsDigit(text[i])) {
            return std::nullopt;
        }
    }
    int hour = 0;
    for (std::size_t i = 0; i < colon; ++i) {
        hour = hour * 10 + (text[i] - '0');
    }
    const int minute = (text[colon + 1] - '0') * 10 + (text[colon + 2] - '0');
    const int minutes = hour * 60 + minute;
    if (minute > 59 || minutes > kMinutesPerDay) {
        return std::nullopt;
    }
    return minutes;
}

WorkingHours WorkingHoursOf(std::string_view startText, std::string_view endText) {
    const auto start = ParseWorkingTime(startText);
    const auto end = ParseWorkingTime(endText);
    if (!start || !end) {
        return {};
    }
    const WorkingHours hours{*start, *end};
    return hours.Valid() ? hours : WorkingHours{};
}

}  // namespace orvanta
