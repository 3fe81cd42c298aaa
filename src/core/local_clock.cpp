#include "core/local_clock.h"

#include <cstdint>

namespace orvanta {

namespace {

constexpr std::int64_t kMsPerMinute = 60'000;
constexpr double kHoursPerDay = 24.0;

}  // namespace

ClockReading ReadingAt(LocalDateTime universal, const LocalClockRules& local, const std::vector<TimeZoneRules>& zones) {
    return {universal, local.zone != nullptr ? ZoneOffsetMinutes(*local.zone, universal) : local.biasMinutes, &zones};
}

std::optional<LocalDateTime> UniversalFromLocalTime(LocalDateTime localTime, const LocalClockRules& local) {
    return local.zone != nullptr
               ? UniversalFromZoneTime(*local.zone, localTime)
               : LocalDateTime::FromMilliseconds(localTime.Milliseconds() - local.biasMinutes * kMsPerMinute);
}

std::optional<LocalDateTime> PlaceTimeFromUniversal(const Place& place,
                                                    LocalDateTime universal,
                                                    const LocalClockRules& local,
                                                    const std::vector<TimeZoneRules>& zones) {
    const ClockReading reading = ReadingAt(universal, local, zones);
    const std::optional<double> hours = DifferenceHours(place, &reading);
    const auto localTime =
        LocalDateTime::FromMilliseconds(universal.Milliseconds() + reading.localBiasMinutes * kMsPerMinute);
    return hours && localTime ? localTime->AddDays(*hours / kHoursPerDay) : std::nullopt;
}

std::optional<LocalDateTime> UniversalFromPlaceTime(const Place& place,
                                                    LocalDateTime placeTime,
                                                    const LocalClockRules& local,
                                                    const std::vector<TimeZoneRules>& zones) {
    const ClockReading zonesOnly{placeTime, 0, &zones};
    if (const TimeZoneRules* zone = ZoneOf(place, &zonesOnly)) {
        return UniversalFromZoneTime(*zone, placeTime);
    }
    const std::optional<double> hours = place.OffsetHours();
    const auto localTime = hours ? placeTime.AddDays(-*hours / kHoursPerDay) : std::nullopt;
    return localTime ? UniversalFromLocalTime(*localTime, local) : std::nullopt;
}

}  // namespace orvanta
