#include "core/day_plan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sample_zones.h"

namespace orvanta {
namespace {

const TimeZoneRules kLondon = Zone("GMT Standard Time", 0, {0, 10, 0, 5, 2}, {0, 3, 0, 5, 1});
const TimeZoneRules kLineIslands = Zone("Line Islands Standard Time", -840);
const std::vector<TimeZoneRules> kZones = {kLondon, kCentralEurope, kEastern, kTokyo, kKathmandu, kLineIslands};
const RegionalFormats kFormats{.clock24Hour = true, .hourLeadingZero = true, .longDatePicture = "dddd d MMMM yyyy"};

Place Zoned(const char* name, const TimeZoneRules& zone) {
    return Place::FromEntry(std::string(name) + ":0.0", zone.keyName);
}

DayPlan Plan(const TimeZoneRules& local,
             CalendarDate date,
             std::vector<Place> places,
             std::optional<DateTimeParts> universalNow = std::nullopt) {
    places.insert(places.begin(), Zoned("Here", local));
    return PlanDay(
        {places, date, &kZones, {&local}, {}, universalNow ? std::optional(At(*universalNow)) : std::nullopt},
        kFormats);
}

// Column 0 is the local clock; the rows are its hours, real moments on its own change days.
TEST(DayPlanTest, CellsFollowEachPlacesRulesOnTheDay) {
    const std::vector<Place> europeAmericaJapan = {Zoned("Berlin", kCentralEurope), Zoned("New York", kEastern),
                                                   Zoned("Tokyo", kTokyo)};
    const std::vector<Place> londonBerlin = {Zoned("London", kLondon), Zoned("Berlin", kCentralEurope)};
    const std::vector<Place> farAway = {Zoned("Kathmandu", kKathmandu), Zoned("Kiritimati", kLineIslands),
                                        Place::FromEntry("Pago Pago:-11.0"), Place::FromEntry("St Johns:-3.5"),
                                        Place::FromEntry("Far:30.0")};
    struct Cell {
        int row, column;
        const char* text;
    };
    const struct {
        const char* what;
        const TimeZoneRules& local;
        CalendarDate date;
        const std::vector<Place>& places;
        std::vector<const char*> headers;
        std::vector<Cell> cells;
    } cases[] = {
        {"US change seen from London",
         kLondon,
         {2026, 3, 8},
         europeAmericaJapan,
         {"Here 0 h", "Berlin +1 h", "New York -4 h", "Tokyo +9 h"},
         {{0, 1, "01:00"},
          {23, 1, "00:00 +1"},
          {0, 2, "19:00 -1"},
          {4, 2, "23:00 -1"},
          {5, 2, "00:00"},
          {6, 2, "01:00"},
          {7, 2, "03:00 *"},
          {8, 2, "04:00"},
          {14, 3, "23:00"},
          {15, 3, "00:00 +1"}}},
        {"US change seen from New York: 2 AM is skipped",
         kEastern,
         {2026, 3, 8},
         londonBerlin,
         {"Here 0 h", "London +4 h", "Berlin +5 h"},
         {{1, 0, "01:00"},
          {2, 0, "03:00 *"},
          {3, 0, "03:00"},
          {4, 0, "04:00"},
          {0, 1, "05:00"},
          {2, 1, "07:00"},
          {3, 1, "07:00"},
          {23, 1, "03:00 +1"},
          {18, 2, "23:00"},
          {19, 2, "00:00 +1"}}},
        {"EU change seen from London: local 1 AM skipped",
         kLondon,
         {2026, 3, 29},
         europeAmericaJapan,
         {"Here 0 h", "Berlin +1 h", "New York -5 h", "Tokyo +8 h"},
         {{0, 0, "00:00"},
          {1, 0, "02:00 *"},
          {2, 0, "02:00"},
          {3, 0, "03:00"},
          {0, 1, "01:00"},
          {1, 1, "03:00 *"},
          {2, 1, "03:00"},
          {0, 2, "20:00 -1"},
          {5, 2, "00:00"}}},
        {"EU change seen from New York, the evening before",
         kEastern,
         {2026, 3, 28},
         londonBerlin,
         {"Here 0 h", "London +4 h", "Berlin +5 h"},
         {{19, 1, "23:00"}, {20, 1, "00:00 +1"}, {21, 1, "02:00 +1 *"}, {21, 2, "03:00 +1 *"}, {21, 0, "21:00"}}},
        {"local clock back: of 1 AM only the first",
         kLondon,
         {2026, 10, 25},
         londonBerlin,
         {"Here 0 h", "London 0 h", "Berlin +1 h"},
         {{0, 0, "00:00"}, {1, 0, "01:00 *"}, {2, 0, "02:00"}, {0, 2, "01:00"}, {1, 2, "02:00 *"}, {2, 2, "03:00"}}},
        {"45 minutes, the date line, hand-made offsets",
         kLondon,
         {2026, 1, 15},
         farAway,
         {"Here 0 h", "Kathmandu +5:45 h", "Kiritimati +14 h", "Pago Pago -11 h", "St Johns -3:30 h", "Far +30 h"},
         {{0, 1, "05:45"},
          {18, 1, "23:45"},
          {19, 1, "00:45 +1"},
          {0, 2, "14:00"},
          {10, 2, "00:00 +1"},
          {0, 3, "13:00 -1"},
          {11, 3, "00:00"},
          {0, 4, "20:30 -1"},
          {20, 5, "02:00 +2"}}},
    };
    for (const auto& c : cases) {
        const DayPlan plan = Plan(c.local, c.date, c.places);
        std::vector<std::string> headers;
        for (const PlanColumn& column : plan.columns) {
            headers.push_back(column.header);
        }
        EXPECT_EQ(headers, std::vector<std::string>(c.headers.begin(), c.headers.end())) << c.what;
        for (const Cell& cell : c.cells) {
            EXPECT_EQ(plan.rows[cell.row][cell.column].text, cell.text) << c.what << " row " << cell.row;
        }
    }
}

TEST(DayPlanTest, AChangedHourSaysWhatHappensAndTheHourOfNowIsMarked) {
    const DayPlan spring =
        Plan(kEastern, {2026, 3, 8}, {Zoned("Berlin", kCentralEurope)}, DateTimeParts{2026, 3, 8, 7, 30});
    EXPECT_EQ(PlanCellTip(spring, 2, 0, kFormats),
              "Here: Sunday 8 March 2026 03:00\r\nNight\r\nClocks go forward 1 hour at 02:00");
    EXPECT_EQ(spring.presentRow, 3);  // 03:30 on the clock: the second row that starts at 03:00
    const DayPlan autumn = Plan(kLondon, {2026, 10, 25}, {Zoned("Berlin", kCentralEurope)}, DateTimeParts{2026, 3, 8});
    EXPECT_EQ(PlanCellTip(autumn, 1, 1, kFormats),
              "Berlin: Sunday 25 October 2026 02:00\r\nNight\r\nClocks go back 1 hour at 03:00");
    EXPECT_EQ(autumn.presentRow, std::nullopt);
}

TEST(DayPlanTest, WorkingHoursAreEachPlacesOwnWeekdayHours) {
    const WorkingHours standard;
    const WorkingHours long_{6 * 60, 23 * 60};
    const struct {
        int dayOfWeek, hour, minute;
        const WorkingHours& hours;
        HourClass expected;
    } cases[] = {
        {1, 9, 0, standard, HourClass::Working},       {5, 16, 59, standard, HourClass::Working},
        {5, 17, 0, standard, HourClass::NearWorking},  {1, 8, 59, standard, HourClass::NearWorking},
        {3, 21, 59, standard, HourClass::NearWorking}, {3, 22, 0, standard, HourClass::Night},
        {2, 6, 59, standard, HourClass::Night},        {6, 10, 0, standard, HourClass::NearWorking},
        {0, 12, 0, standard, HourClass::NearWorking},  {0, 6, 0, standard, HourClass::Night},
        {2, 6, 30, long_, HourClass::Working},         {2, 22, 30, long_, HourClass::Working},
        {6, 22, 30, long_, HourClass::Night},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HourClassOf({.hour = c.hour, .minute = c.minute, .dayOfWeek = c.dayOfWeek}, c.hours), c.expected)
            << c.dayOfWeek << " " << c.hour << ":" << c.minute;
    }
    // From London on Sunday evening, Tokyo's Monday begins.
    const DayPlan plan = Plan(kLondon, {2026, 3, 8}, {Zoned("Tokyo", kTokyo)});
    const HourClass expected[] = {HourClass::NearWorking, HourClass::Night, HourClass::NearWorking, HourClass::Working};
    int i = 0;
    for (const int row : {9, 15, 22, 0}) {
        const DayPlan& day = row == 0 ? Plan(kLondon, {2026, 3, 9}, {Zoned("Tokyo", kTokyo)}) : plan;
        EXPECT_EQ(day.rows[row][1].hourClass, expected[i++]) << row;
    }
}

TEST(DayPlanTest, EveryDateThePickerOffersStepsAndPlans) {
    const struct {
        CalendarDate date;
        int days;
        CalendarDate stepped;
        const char* firstRowInTokyo;  // the copied line of row 0
    } cases[] = {
        {{1601, 1, 1}, -1, {1601, 1, 1}, "Tokyo: Mon 1 Jan 1601 09:00\r\n"},
        {{2024, 2, 28}, 1, {2024, 2, 29}, "Tokyo: Wed 28 Feb 2024 09:00\r\n"},
        {{9999, 12, 31}, 1, {10000, 1, 1}, "Tokyo: Fri 31 Dec 9999 09:00\r\n"},
        {{10000, 1, 1}, -1, {9999, 12, 31}, "Tokyo: Sat 1 Jan 10000 09:00\r\n"},
        {{20000, 2, 28}, 1, {20000, 2, 29}, "Tokyo: Mon 28 Feb 20000 09:00\r\n"},
        {{30827, 12, 31}, 1, {30827, 12, 31}, "Tokyo: Fri 31 Dec 30827 09:00\r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(IsPlanDate(c.date));
        EXPECT_EQ(StepPlanDate(c.date, c.days), c.stepped) << c.date.year;
        const DayPlan plan = PlanDay({{Zoned("Tokyo", kTokyo)}, c.date, &kZones, {&kLondon}}, kFormats);
        EXPECT_EQ(PlanRowClipboardText(plan, 0, kFormats), c.firstRowInTokyo);
        EXPECT_EQ(plan.rows[23][0].text, "08:00 +1");
    }
    for (const CalendarDate wrong : {CalendarDate{1600, 12, 31}, {30828, 1, 1}, {2026, 2, 29}, {2100, 2, 29}}) {
        EXPECT_FALSE(IsPlanDate(wrong)) << wrong.year;
    }
}

TEST(DayPlanTest, CopiesARowForAnInvitationAndTheTableWithItsHeaders) {
    const DayPlan plan =
        Plan(kLondon, {2026, 12, 15}, {Zoned("Berlin", kCentralEurope), Place::FromEntry("Nowhere:x")});
    EXPECT_EQ(PlanRowClipboardText(plan, 16, kFormats),
              "Here: Tue 15 Dec 2026 16:00\r\nBerlin: Tue 15 Dec 2026 17:00\r\nNowhere: ??\r\n");
    const std::string table = PlanTableClipboardText(plan);
    EXPECT_EQ(table.substr(0, table.find("\r\n01:00")), "Here 0 h\tBerlin +1 h\tNowhere ??\r\n00:00\t01:00\t??");
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 25);
}

TEST(DayPlanTest, ColumnsAreTheRowsOfTheMainWindow) {
    Settings settings{.currentLocationCaption = " London :",
                      .places = {Place::FromEntry("Tokyo:9.0"), Place{}, Place::FromEntry("Rio:-3.0")}};
    std::vector<Place> expected = {Place::AtMinutes("London", 0, "GMT Standard Time"), settings.places[0],
                                   settings.places[2]};
    EXPECT_EQ(PlannerPlaces(settings, &kLondon), expected);
    settings.SetFlag(SettingsFlag::HideCurrentLocation, true);
    EXPECT_EQ(PlannerPlaces(settings, nullptr), std::vector<Place>(expected.begin() + 1, expected.end()));
}

// A row's tooltip in the main window, read at 11:00 in New York on 1 March 2026 (or at midsummer).
TEST(PlaceTooltipTest, NamesTheZoneTheDistanceAndTheNextChange) {
    const struct {
        Place place;
        DateTimeParts universal;
        std::vector<std::string> lines;
    } cases[] = {
        {Zoned("Tokyo", kTokyo), {2026, 3, 1, 16}, {"Tokyo Standard Time", "14 hours ahead, tomorrow"}},
        {Zoned("Kathmandu", kKathmandu), {2026, 3, 1, 16}, {"Nepal Standard Time", "10 hours 45 minutes ahead"}},
        {Zoned("Berlin", kCentralEurope),
         {2026, 3, 1, 16},
         {"W. Europe Standard Time", "6 hours ahead", "Clocks go forward 1 hour on Sunday 29 March 2026 at 02:00"}},
        {Zoned("Berlin", kCentralEurope),
         {2026, 7, 1, 15},
         {"W. Europe Standard Time", "6 hours ahead", "Clocks go back 1 hour on Sunday 25 October 2026 at 03:00"}},
        {Zoned("Home", kEastern),
         {2026, 3, 1, 16},
         {"Eastern Standard Time", "Same time as here", "Clocks go forward 1 hour on Sunday 8 March 2026 at 02:00"}},
        {Place::FromEntry("Midway:-12.0"), {2026, 3, 1, 16}, {"Fixed offset", "12 hours behind, yesterday"}},
        {Place::FromEntry("Mars:2.5", "Mars Time"), {2026, 3, 1, 16}, {"Fixed offset", "2 hours 30 minutes ahead"}},
        {Place::FromEntry("Bad:x"), {2026, 3, 1, 16}, {"Fixed offset"}},
    };
    for (const auto& c : cases) {
        const LocalDateTime universal = At(c.universal);
        const ClockReading reading{universal, ZoneOffsetMinutes(kEastern, universal), &kZones};
        EXPECT_EQ(PlaceTooltipLines(c.place, reading, kFormats), c.lines) << c.place.Description();
    }
}

}  // namespace
}  // namespace orvanta
