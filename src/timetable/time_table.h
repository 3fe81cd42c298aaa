#pragma once

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/local_clock.h"
#include "core/local_datetime.h"
#include "core/place.h"
#include "core/place_zones.h"
#include "core/time_zone_rules.h"

namespace orvanta {

inline constexpr int kTimeTableRows = 25;  // the header row and the 24 hours
inline constexpr int kTimeTableColumns = 2;

using TimeTable = std::array<std::array<std::string, kTimeTableColumns>, kTimeTableRows>;

// Raised when a chosen place's offset is not a number; the text is what the user sees:
// "'abc' is not a valid floating point value".
class InvalidOffsetError : public std::runtime_error {
  public:
    explicit InvalidOffsetError(std::string_view offsetText);
};

// The 12-hour clock text of an hour value: " 1:00 AM", "12:30 PM", "11:00 PM", "12:00 AM" for 24.
std::string Time_To_Clock_Text(double hours);

// The 12-hour clock text of a time of day to the minute, as Time_To_Clock_Text writes whole and half
// hours: " 5:45 PM", "12:00 AM".
std::string Clock_Text_Of(int hour, int minute);

// What both lists of the table offer: the current location, then every other location.
struct TimeTableChoices {
    std::vector<std::string> texts;  // as the lists show them: the caption with "0" appended, then the entries
    std::vector<Place> places;       // one for each text
};

// The current location is the local clock itself, at offset 0 whatever its caption says; its
// description is what its text holds before the first ":".
TimeTableChoices TimeTableChoicesOf(std::string_view currentLocationCaption, const std::vector<Place>& otherPlaces);

// The positions a table compares when it opens: the current location against the first other
// place, or against itself when there is none.
std::array<std::size_t, kTimeTableColumns> DefaultTimeTablePair(std::size_t choiceCount);

// Row 0: the two descriptions; row r: the clock text of r and of r - offset 1 + offset 2.
// Throws InvalidOffsetError when either offset is not a number.
TimeTable Build_Time_Table(const Place& location1, const Place& location2);

// For places of which at least one follows a zone the system knows (`zones`): row r is the moment
// that is r:00 of today on Location 1's clock (today: the date there at `universalNow`), and column 1
// that moment on Location 2's clock. An hour that Location 1's clock skips is read on the clock
// before the jump, and of an hour it shows twice the first is taken. Throws as Build_Time_Table.
TimeTable Build_Zoned_Time_Table(const Place& location1,
                                 const Place& location2,
                                 const std::vector<TimeZoneRules>& zones,
                                 LocalDateTime universalNow,
                                 const LocalClockRules& local);

// The table of two places as the window shows it: the hour arithmetic while neither follows a zone,
// otherwise real moments of today, the clocks and the system's zones read only then.
TimeTable BuildTimeTable(const Place& location1, const Place& location2, ZoneClocks& clocks);

// 25 lines of column 0, a tab, column 1 and CR LF (the last line too).
std::string TimeTableClipboardText(const TimeTable& table);

}  // namespace orvanta
