#pragma once

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/local_datetime.h"
#include "core/time_zone_rules.h"

namespace orvanta {

inline constexpr int kTimeTableRows = 25;  // the header row and the 24 hours
inline constexpr int kTimeTableColumns = 2;

using TimeTable = std::array<std::array<std::string, kTimeTableColumns>, kTimeTableRows>;

// Raised when a chosen entry's offset is not a number; the text is what the user sees:
// "'Home0' is not a valid floating point value".
class InvalidOffsetError : public std::runtime_error {
  public:
    explicit InvalidOffsetError(std::string_view offsetText);
};

// The 12-hour clock text of an hour value: " 1:00 AM", "12:30 PM", "11:00 PM", "12:00 AM" for 24.
std::string Time_To_Clock_Text(double hours);

// The entries both lists of the table offer: the current location caption with "0" appended,
// then every other location unchanged.
std::vector<std::string> TimeTableEntries(std::string_view currentLocationCaption,
                                          const std::vector<std::string>& otherLocations);

// The two entries a table compares when it opens: the first entry (the current location) against
// the second, or against itself when there is no other. Two empty entries for an empty list.
std::array<std::string, kTimeTableColumns> DefaultTimeTablePair(const std::vector<std::string>& entries);

// Row 0: the two descriptions; row r: the clock text of r and of r - offset 1 + offset 2.
// Throws InvalidOffsetError when either offset is not a number.
TimeTable Build_Time_Table(std::string_view location1Entry, std::string_view location2Entry);

// The 12-hour clock text of a time of day to the minute, as Time_To_Clock_Text writes whole and half
// hours: " 5:45 PM", "12:00 AM".
std::string Clock_Text_Of(int hour, int minute);

// A place of the table: its entry, and the rules of the zone it follows; nullptr for a place at its
// entry's offset from the local clock.
struct TablePlace {
    std::string entry;
    const TimeZoneRules* zone = nullptr;
};

// The local clock as the table reads it: its zone's rules, or where the system names none, the
// present distance from universal time.
struct LocalClockRules {
    const TimeZoneRules* zone = nullptr;
    int biasMinutes = 0;
};

// For places of which at least one follows a zone: row r is the moment that is r:00 of today on
// Location 1's clock (today: the date there at `universalNow`), and column 1 that moment on
// Location 2's clock. An hour that Location 1's clock skips is read on the clock before the jump,
// and of an hour it shows twice the first is taken. Throws InvalidOffsetError as Build_Time_Table.
TimeTable Build_Zoned_Time_Table(const TablePlace& place1,
                                 const TablePlace& place2,
                                 LocalDateTime universalNow,
                                 const LocalClockRules& local);

// 25 lines of column 0, a tab, column 1 and CR LF (the last line too).
std::string TimeTableClipboardText(const TimeTable& table);

}  // namespace orvanta
