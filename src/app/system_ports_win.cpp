#include <windows.h>

#include "app/application_win.h"
#include "toolkit/platform.h"
#include "toolkit/win_text.h"
#include "toolkit/win_time_zones.h"

namespace orvanta {

namespace {

std::string LocaleText(LCTYPE item) {
    wchar_t buffer[128] = {};
    const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, item, buffer, static_cast<int>(std::size(buffer)));
    return length > 1 ? toolkit::Narrow(std::wstring_view(buffer, static_cast<std::size_t>(length - 1))) : "";
}

// Keeps the fallback where the regional settings supply nothing.
void Take(std::string& into, LCTYPE item) {
    std::string value = LocaleText(item);
    if (!value.empty()) {
        into = std::move(value);
    }
}

RegionalFormats ReadRegionalFormats() {
    RegionalFormats formats;
    formats.clock24Hour = LocaleText(LOCALE_ITIME) == "1";
    formats.hourLeadingZero = LocaleText(LOCALE_ITLZERO) == "1";
    formats.designatorFirst = LocaleText(LOCALE_ITIMEMARKPOSN) == "1";
    // A locale may leave a designator empty on purpose; the fallback applies only when both are.
    const std::string am = LocaleText(LOCALE_S1159);
    const std::string pm = LocaleText(LOCALE_S2359);
    if (!am.empty() || !pm.empty()) {
        formats.amDesignator = am;
        formats.pmDesignator = pm;
    }
    Take(formats.timeSeparator, LOCALE_STIME);
    Take(formats.shortDatePicture, LOCALE_SSHORTDATE);
    Take(formats.longDatePicture, LOCALE_SLONGDATE);
    Take(formats.dateSeparator, LOCALE_SDATE);
    for (int month = 0; month < 12; ++month) {
        Take(formats.monthNames[month], static_cast<LCTYPE>(LOCALE_SMONTHNAME1 + month));
        Take(formats.shortMonthNames[month], static_cast<LCTYPE>(LOCALE_SABBREVMONTHNAME1 + month));
    }
    // Windows counts the days from Monday; the formats count them from Sunday.
    for (int day = 0; day < 7; ++day) {
        const int fromSunday = (day + 1) % 7;
        Take(formats.dayNames[fromSunday], static_cast<LCTYPE>(LOCALE_SDAYNAME1 + day));
        Take(formats.shortDayNames[fromSunday], static_cast<LCTYPE>(LOCALE_SABBREVDAYNAME1 + day));
    }
    return formats;
}

LocalDateTime ReadClock() {
    const auto now = toolkit::ReadLocalClock();
    const auto moment =
        LocalDateTime::FromParts({now.year, now.month, now.day, now.hour, now.minute, now.second, now.millisecond});
    return moment.value_or(*LocalDateTime::FromMilliseconds(0));
}

}  // namespace

AppPorts SystemPorts() {
    AppPorts ports;
    ports.executablePath = toolkit::ExecutablePath();
    ports.clock = ReadClock;
    ports.universalClock = toolkit::UniversalNow;
    ports.regionalFormats = ReadRegionalFormats;
    ports.startupShowState = toolkit::StartupShowState();
    return ports;
}

}  // namespace orvanta
