#pragma once

#include <cstdint>
#include <optional>

namespace orvanta {

// A moment on the local clock, without any time zone: milliseconds since 0001-01-01 00:00:00.000.
// Only the years 1 to 9999 are representable; arithmetic that leaves them yields no value.
struct DateTimeParts {
    int year = 1;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
    int dayOfWeek = 1;  // 0 = Sunday .. 6 = Saturday; filled by LocalDateTime::Split, ignored by FromParts
};

class LocalDateTime {
  public:
    // Nothing for a date that does not exist (February 30th, month 13, year 0 or 10000, hour 24 ...).
    static std::optional<LocalDateTime> FromParts(const DateTimeParts& parts);
    static std::optional<LocalDateTime> FromMilliseconds(std::int64_t millisecondsSinceEpoch);

    // The moment plus an offset in days, rounded to the nearest millisecond; nothing when the result
    // lies outside the years 1 to 9999 or the offset is not finite.
    std::optional<LocalDateTime> AddDays(double days) const;

    DateTimeParts Split() const;
    std::int64_t Milliseconds() const { return ms_; }

    friend bool operator==(LocalDateTime, LocalDateTime) = default;

  private:
    explicit LocalDateTime(std::int64_t ms) : ms_(ms) {}
    std::int64_t ms_ = 0;
};

}  // namespace orvanta
