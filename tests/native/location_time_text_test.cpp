#include <string>

#include <gtest/gtest.h>

#include "core/location_rows.h"
#include "core/regional_formats.h"

namespace orvanta {
namespace {

LocalDateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0, int ms = 0) {
    return LocalDateTime::FromParts({year, month, day, hour, minute, second, ms}).value();
}

RegionalFormats TimeFormats(bool clock24Hour, bool leadingZero, const char* separator = ":") {
    RegionalFormats formats;
    formats.clock24Hour = clock24Hour;
    formats.hourLeadingZero = leadingZero;
    formats.timeSeparator = separator;
    return formats;
}

RegionalFormats DateFormats(const char* picture, const char* separator) {
    RegionalFormats formats;
    formats.shortDatePicture = picture;
    formats.dateSeparator = separator;
    return formats;
}

// Both the bare long time and the label text, which pads a one-digit hour only when a literal ":"
// follows it directly.
TEST(LocationTimeTextTest, FollowsTheLongTimeFormat) {
    RegionalFormats korean;
    korean.designatorFirst = true;
    korean.amDesignator = "오전";
    korean.pmDesignator = "오후";
    RegionalFormats noAm;
    noAm.amDesignator.clear();
    RegionalFormats noAmFirst = korean;
    noAmFirst.amDesignator.clear();

    struct Case {
        RegionalFormats formats;
        int hour;
        const char* longTime;
        const char* label;
    };
    const Case cases[] = {
        {RegionalFormats{}, 13, "1:05:09 pm", " 01:05:09 pm "},
        {RegionalFormats{}, 10, "10:05:09 am", " 10:05:09 am "},
        {RegionalFormats{}, 0, "12:05:09 am", " 12:05:09 am "},
        {RegionalFormats{}, 12, "12:05:09 pm", " 12:05:09 pm "},
        {TimeFormats(false, true), 1, "01:05:09 am", " 01:05:09 am "},
        {TimeFormats(true, false), 0, "0:05:09", " 00:05:09 "},
        {TimeFormats(true, false), 13, "13:05:09", " 13:05:09 "},
        {TimeFormats(true, true), 7, "07:05:09", " 07:05:09 "},
        {korean, 13, "오후 1:05:09", " 오후 1:05:09 "},
        {korean, 0, "오전 12:05:09", " 오전 12:05:09 "},
        {noAmFirst, 3, "3:05:09", " 03:05:09 "},
        {noAm, 3, "3:05:09", " 03:05:09 "},
        {noAm, 15, "3:05:09 pm", " 03:05:09 pm "},
        {TimeFormats(true, false, "."), 9, "9.05.09", " 9.05.09 "},
        {TimeFormats(false, false, "."), 21, "9.05.09 pm", " 9.05.09 pm "},
    };
    for (const Case& c : cases) {
        const LocalDateTime moment = At(2024, 3, 5, c.hour, 5, 9, 500);
        EXPECT_EQ(FormatLongTime(moment.Split(), c.formats), c.longTime);
        EXPECT_EQ(Location_Time_Text(moment, 0.0, false, c.formats), c.label);
    }
}

TEST(LocationTimeTextTest, FormatsTheShortDatePicture) {
    RegionalFormats german = DateFormats("dddd, d. MMMM yyyy / ddd MMM", ".");
    german.dayNames[2] = "Dienstag";
    german.shortDayNames[2] = "Di";
    german.monthNames[2] = "März";
    german.shortMonthNames[2] = "Mär";

    struct Case {
        RegionalFormats formats;
        DateTimeParts date;
        const char* expected;
    };
    const DateTimeParts tuesday = At(2024, 3, 5).Split();
    const Case cases[] = {
        {RegionalFormats{}, tuesday, "3/5/24"},
        {DateFormats("M/d/yyyy", "/"), tuesday, "3/5/2024"},
        {DateFormats("dd/MM/yyyy", "/"), tuesday, "05/03/2024"},
        {DateFormats("d.M.yyyy", "."), tuesday, "5.3.2024"},
        {DateFormats("d/M/yyyy", "."), tuesday, "5.3.2024"},
        {DateFormats("yyyy/M/d", "/"), tuesday, "2024/3/5"},
        {DateFormats("dddd, MMMM dd, yyyy", "/"), tuesday, "Tuesday, March 05, 2024"},
        {DateFormats("ddd d MMM y", "/"), tuesday, "Tue 5 Mar 24"},
        {german, tuesday, "Dienstag, 5. März 2024 . Di Mär"},
        {DateFormats("'Day' d 'of' MMMM", "/"), tuesday, "Day 5 of March"},
        {DateFormats("d 'o''clock' '/' /", "-"), tuesday, "5 o'clock / -"},
        {DateFormats("gg yyyy 'dd/MM", "/"), tuesday, "A.D. 2024 dd/MM"},
        {DateFormats("y yy yyyy", "/"), At(2005, 11, 30).Split(), "5 05 2005"},
        {DateFormats("y yy yyyy", "/"), At(5, 1, 2).Split(), "5 05 0005"},
        {DateFormats("dddd ddd MMMM", "/"), At(2024, 12, 29).Split(), "Sunday Sun December"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatShortDate(c.date, c.formats), c.expected) << c.formats.shortDatePicture;
    }
}

// Offsets move both the time and the date shown to those of the other place.
TEST(LocationTimeTextTest, ShowsTheDateOfThePlace) {
    struct Case {
        LocalDateTime now;
        double hours;
        const char* expected;
    };
    const Case cases[] = {
        {At(2024, 3, 5, 8, 10), -9.5, " 3/4/24,  10:40:00 pm "},
        {At(2024, 3, 5, 20, 0), 9.0, " 3/6/24,  05:00:00 am "},
        {At(2024, 1, 31, 23, 30), 1.0, " 2/1/24,  12:30:00 am "},
        {At(2024, 1, 1, 0, 30), -1.0, " 12/31/23,  11:30:00 pm "},
        {At(2024, 2, 28, 22, 0), 5.0, " 2/29/24,  03:00:00 am "},
        {At(2023, 2, 28, 22, 0), 5.0, " 3/1/23,  03:00:00 am "},
        {At(2024, 3, 5, 8, 10), -1000.0, " 1/23/24,  04:10:00 pm "},
        // Seconds are cut off, not rounded: the last millisecond of a day stays on that day.
        {At(2023, 12, 31, 23, 59, 59, 999), 0.0, " 12/31/23,  11:59:59 pm "},
        {At(2023, 12, 31, 23, 59, 59, 999), 2e-7, " 1/1/24,  12:00:00 am "},
        {At(9999, 12, 31, 23, 0), 0.5, " 12/31/99,  11:30:00 pm "},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Location_Time_Text(c.now, c.hours / 24.0, true, RegionalFormats{}), c.expected) << c.hours;
    }
    EXPECT_EQ(Location_Time_Text(At(2024, 3, 5, 8, 10), -9.5 / 24.0, true, TimeFormats(true, false)),
              " 3/4/24,  22:40:00 ");

    EXPECT_FALSE(Location_Time_Text(At(9999, 12, 31, 23, 0), 2.0 / 24.0, false, RegionalFormats{}));
    EXPECT_FALSE(Location_Time_Text(At(1, 1, 1, 1, 0), -2.0 / 24.0, true, RegionalFormats{}));
}

}  // namespace
}  // namespace orvanta
