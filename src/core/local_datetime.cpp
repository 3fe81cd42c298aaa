#include "core/local_datetime.h"

#include <cmath>

namespace orvanta {

namespace {

constexpr std::int64_t kMillisecondsPerDay = 86'400'000;
// 0001-01-01 up to but excluding 10000-01-01.
constexpr std::int64_t kDaysInRange = 3'652'059;
constexpr std::int64_t kMaxMilliseconds = kDaysInRange * kMillisecondsPerDay - 1;
// The day arithmetic below counts from 0000-03-01 so that the leap day ends each 4-year cycle;
// 0001-01-01 is day 306 of that count.
constexpr std::int64_t kEpochShift = 306;

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Years are at least 1 here, so every division below works on non-negative numbers.
std::int64_t DaysFromCivil(int year, int month, int day) {
    const std::int64_t y = year - (month <= 2 ? 1 : 0);
    const std::int64_t era = y / 400;
    const std::int64_t yearOfEra = y - era * 400;
    const std::int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146'097 + dayOfEra - kEpochShift;
}

void CivilFromDays(std::int64_t days, DateTimeParts& parts) {
    const std::int64_t z = days + kEpochShift;
    const std::int64_t era = z / 146'097;
    const std::int64_t dayOfEra = z - era * 146'097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36'524 - dayOfEra / 146'096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    parts.day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    parts.month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    parts.year = static_cast<int>(yearOfEra + era * 400 + (parts.month <= 2 ? 1 : 0));
}

}  // namespace

std::optional<LocalDateTime> LocalDateTime::FromParts(const DateTimeParts& parts) {
    if (parts.year < 1 || parts.year > 9999 || parts.month < 1 || parts.month > 12 || parts.day < 1 ||
        parts.day > DaysInMonth(parts.year, parts.month) || parts.hour < 0 || parts.hour > 23 || parts.minute < 0 ||
        parts.minute > 59 || parts.second < 0 || parts.second > 59 || parts.millisecond < 0 ||
        parts.millisecond > 999) {
        return std::nullopt;
    }
    const std::int64_t timeOfDay =
        ((parts.hour * std::int64_t{60} + parts.minute) * 60 + parts.second) * 1000 + parts.millisecond;
    return LocalDateTime(DaysFromCivil(parts.year, parts.month, parts.day) * kMillisecondsPerDay + timeOfDay);
}

std::optional<LocalDateTime> LocalDateTime::FromMilliseconds(std::int64_t millisecondsSinceEpoch) {
    if (millisecondsSinceEpoch < 0 || millisecondsSinceEpoch > kMaxMilliseconds) {
        return std::nullopt;
    }
    return LocalDateTime(millisecondsSinceEpoch);
}

std::optional<LocalDateTime> LocalDateTime::AddDays(double days) const {
    if (!std::isfinite(days)) {
        return std::nullopt;
    }
    const double delta = days * static_cast<double>(kMillisecondsPerDay);
    // Anything wider than the whole range leaves it from any starting point; checking before the
    // conversion keeps huge values from overflowing the integer.
    if (!(std::fabs(delta) <= static_cast<double>(kMaxMilliseconds) + 1.0)) {
        return std::nullopt;
    }
    // The start is a whole millisecond, so rounding the offset alone rounds the sum, without the
    // precision a large sum would lose. A half rounds upwards, as it would for the (positive) sum.
    double rounded = std::round(delta);
    if (delta - rounded == 0.5) {
        rounded += 1.0;
    }
    return FromMilliseconds(ms_ + static_cast<std::int64_t>(rounded));
}

DateTimeParts LocalDateTime::Split() const {
    DateTimeParts parts;
    const std::int64_t days = ms_ / kMillisecondsPerDay;
    std::int64_t timeOfDay = ms_ % kMillisecondsPerDay;
    CivilFromDays(days, parts);
    parts.millisecond = static_cast<int>(timeOfDay % 1000);
    timeOfDay /= 1000;
    parts.second = static_cast<int>(timeOfDay % 60);
    timeOfDay /= 60;
    parts.minute = static_cast<int>(timeOfDay % 60);
    parts.hour = static_cast<int>(timeOfDay / 60);
    // Day 0, 0001-01-01, was a Monday.
    parts.dayOfWeek = static_cast<int>((days + 1) % 7);
    return parts;
}

}  // namespace orvanta
