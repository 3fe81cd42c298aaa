#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/local_datetime.h"
#include "core/time_zone_rules.h"

namespace orvanta {

// The list of other locations holds at most this many: one for each row of the main window
// below the current location.
inline constexpr int kMaxOtherLocations = 10;

// One other location: what the user calls it, how far its clock is ahead of the local clock, and
// the time zone whose clock it follows, if any. Text becomes a place only where the settings file
// is read and where the settings dialog adds one; text is made from it only where the file is
// written and where a list shows it.
class Place {
  public:
    // The empty entry, which a hand-edited file can hold: its row is left as it was.
    Place() = default;

    // An entry as the settings file keeps it ("Tokyo:9.0"), split at its first ":"; an entry
    // without one uses the whole text as both its description and its offset text. `zone`: the key
    // name of a Windows time zone ("Tokyo Standard Time"), "" for a fixed offset.
    static Place FromEntry(std::string_view entry, std::string zone = {});
    // A place the settings dialog adds: a description without ":" a whole number of minutes ahead.
    static Place AtMinutes(std::string description, int minutes, std::string zone = {});

    const std::string& Description() const { return description_; }
    // The offset as it came, so that an entry is written back byte for byte.
    const std::string& OffsetText() const { return offsetText_; }
    // The offset text read once; nothing when it is no number.
    std::optional<double> OffsetHours() const { return offsetHours_; }
    const std::string& Zone() const { return zone_; }
    bool FollowsZone() const { return !zone_.empty(); }
    bool IsBlank() const { return !separated_ && description_.empty(); }

    // The entry as the settings file keeps it.
    std::string Entry() const;
    // The same place at another offset, its zone kept: how a zoned place is saved for versions
    // that know no zones.
    Place AtOffsetMinutes(int minutes) const;

    friend bool operator==(const Place&, const Place&) = default;

  private:
    std::string description_;
    std::string offsetText_;
    std::optional<double> offsetHours_;
    std::string zone_;
    bool separated_ = false;  // the entry had a ":" between description and offset
};

// Reads an offset in hours: optional spaces, an optional sign, digits, optionally "." and digits,
// optionally an exponent, optional spaces, nothing else. "." is the decimal point whatever the
// regional settings say. Nothing for any other text, or for a value too large to be finite.
std::optional<double> ParseOffsetHours(std::string_view offsetText);

// An offset of whole minutes as an entry's offset text, exact and readable by any version: "9.0",
// "5.5", "-3.5", "0.0" as the spin button writes them, "5.75" and "12.75" for the 45-minute zones.
std::string OffsetTextOfMinutes(int minutes);

// The clocks a difference is read against at one moment: universal time, how far the local clock is
// ahead of it, and the zones the system knows.
struct ClockReading {
    LocalDateTime universal;
    int localBiasMinutes = 0;
    const std::vector<TimeZoneRules>* zones = nullptr;
};

// How far the local clock is ahead of universal time, from one reading of each clock: whole
// minutes, as every zone's bias is, so that the few milliseconds between the readings vanish.
int LocalBiasMinutes(LocalDateTime local, LocalDateTime universal);

// The zone with that key name (names ignore case, as registry keys do); nullptr when there is none.
const TimeZoneRules* FindZone(const std::vector<TimeZoneRules>& zones, std::string_view keyName);

// The zone the place follows among those read; nullptr for a fixed place, without a reading, and
// for a zone the system does not know, which keeps the place at its entry's offset.
const TimeZoneRules* ZoneOf(const Place& place, const ClockReading* reading);

// How far a zone's clock is ahead of the local clock at the reading's moment, in minutes.
int ZoneDifferenceMinutes(const TimeZoneRules& zone, const ClockReading& reading);

// How far the place's clock is ahead of the local clock, in hours: for a place that follows a zone
// the system knows, at the reading's moment; otherwise its entry's offset. Nothing when that offset
// is no number. The rows, the tables and the save all ask this.
std::optional<double> DifferenceHours(const Place& place, const ClockReading* reading);

}  // namespace orvanta
