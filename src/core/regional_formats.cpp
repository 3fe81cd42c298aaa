#include "core/regional_formats.h"

#include <string_view>

namespace orvanta {

namespace {

std::string TwoDigits(int value) {
    return {static_cast<char>('0' + value / 10 % 10), static_cast<char>('0' + value % 10)};
}

std::string ZeroPadded(int value, std::size_t width) {
    std::string text = std::to_string(value);
    if (text.size() < width) {
        text.insert(0, width - text.size(), '0');
    }
    return text;
}

std::size_t RunLength(std::string_view picture, std::size_t pos) {
    std::size_t end = pos;
    while (end < picture.size() && picture[end] == picture[pos]) {
        ++end;
    }
    return end - pos;
}

// A day or month field: one letter gives the number, two give it with two digits, three the short
// name and four or more the full name.
std::string NumberOrName(std::size_t count, int number, const std::string& shortName, const std::string& name) {
    if (count == 1) {
        return std::to_string(number);
    }
    if (count == 2) {
        return TwoDigits(number);
    }
    return count == 3 ? shortName : name;
}

}  // namespace

namespace {

// The hour and minutes, then seconds when asked, then the designator where a 12-hour clock has one.
std::string FormatTime(const DateTimeParts& moment, const RegionalFormats& formats, bool seconds) {
    int hour = moment.hour;
    if (!formats.clock24Hour) {
        hour %= 12;
        if (hour == 0) {
            hour = 12;
        }
    }
    std::string text = formats.hourLeadingZero ? TwoDigits(hour) : std::to_string(hour);
    text += formats.timeSeparator;
    text += TwoDigits(moment.minute);
    if (seconds) {
        text += formats.timeSeparator;
        text += TwoDigits(moment.second);
    }

    if (formats.clock24Hour) {
        return text;
    }
    const std::string& designator = moment.hour < 12 ? formats.amDesignator : formats.pmDesignator;
    if (designator.empty()) {
        return text;
    }
    return formats.designatorFirst ? designator + " " + text : text + " " + designator;
}

}  // namespace

std::string FormatLongTime(const DateTimeParts& moment, const RegionalFormats& formats) {
    return FormatTime(moment, formats, true);
}

std::string FormatShortTime(const DateTimeParts& moment, const RegionalFormats& formats) {
    return FormatTime(moment, formats, false);
}

std::string FormatDate(const DateTimeParts& moment, std::string_view picture, const RegionalFormats& formats) {
    // Split leaves the day of week in range; the guard only protects against hand-made parts.
    const int dayOfWeek = moment.dayOfWeek >= 0 && moment.dayOfWeek < 7 ? moment.dayOfWeek : 0;
    const int monthIndex = moment.month >= 1 && moment.month <= 12 ? moment.month - 1 : 0;

    std::string text;
    std::size_t pos = 0;
    while (pos < picture.size()) {
        const char c = picture[pos];
        if (c == '\'') {
            // Quoted text is copied as it is; a doubled quote inside stands for one quote, and an
            // unclosed quote runs to the end of the picture.
            ++pos;
            while (pos < picture.size()) {
                if (picture[pos] == '\'') {
                    if (pos + 1 < picture.size() && picture[pos + 1] == '\'') {
                        text += '\'';
                        pos += 2;
                        continue;
                    }
                    ++pos;
                    break;
                }
                text += picture[pos++];
            }
            continue;
        }
        if (c == '/') {
            text += formats.dateSeparator;
            ++pos;
            continue;
        }
        if (c != 'd' && c != 'M' && c != 'y' && c != 'g') {
            text += c;
            ++pos;
            continue;
        }

        const std::size_t count = RunLength(picture, pos);
        pos += count;
        switch (c) {
            case 'd':
                text += NumberOrName(count, moment.day, formats.shortDayNames[dayOfWeek], formats.dayNames[dayOfWeek]);
                break;
            case 'M':
                text += NumberOrName(count, moment.month, formats.shortMonthNames[monthIndex],
                                     formats.monthNames[monthIndex]);
                break;
            case 'y':
                if (count == 1) {
                    text += std::to_string(moment.year % 100);
                } else if (count == 2) {
                    text += TwoDigits(moment.year % 100);
                } else {
                    text += ZeroPadded(moment.year, 4);
                }
                break;
            default:  // 'g': only the Gregorian calendar is used
                text += "A.D.";
                break;
        }
    }
    return text;
}

std::string FormatShortDate(const DateTimeParts& moment, const RegionalFormats& formats) {
    return FormatDate(moment, formats.shortDatePicture, formats);
}

std::string FormatLongDate(const DateTimeParts& moment, const RegionalFormats& formats) {
    return FormatDate(moment, formats.longDatePicture, formats);
}

}  // namespace orvanta
