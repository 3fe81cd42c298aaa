#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/time_zone_rules.h"
#include "desktop/registry_routines.h"
#include "test_support.h"
#include "toolkit/win_registry.h"
#include "toolkit/win_text.h"
#include "toolkit/win_time_zones.h"

namespace orvanta::testing {
namespace {

// The routines against a key of the test's own under HKEY_CURRENT_USER, created fresh for each
// test and removed afterwards; they are given the key path with its leading backslash, as the
// program gives the Run key's.
class RegistryRoutinesTest : public ::testing::Test {
  protected:
    RegistryRoutinesTest() {
        subKey_ = L"Software\\Orvanta Tests\\routines-" + std::to_wstring(GetCurrentProcessId());
        HKEY created = nullptr;
        EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, subKey_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &created,
                                  nullptr),
                  ERROR_SUCCESS);
        key_ = created;
    }
    ~RegistryRoutinesTest() override {
        RegCloseKey(key_);
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Orvanta Tests");
    }

    std::string KeyPath() const { return "\\" + toolkit::Narrow(subKey_); }
    bool Write(const std::string& name, const std::string& data) {
        return Write_Registry_String(toolkit::OpenWinRegistry, dialogs_, kRoot, KeyPath(), name, data);
    }
    bool Delete(const std::string& name) {
        return Delete_Registry_Value(toolkit::OpenWinRegistry, dialogs_, kRoot, KeyPath(), name);
    }
    std::string Read(const std::string& name) {
        return Read_Registry_String(toolkit::OpenWinRegistry, kRoot, KeyPath(), name);
    }

    // The value as the registry holds it: its type and its raw bytes.
    struct Raw {
        LONG status;
        DWORD type;
        std::wstring bytesAsText;
        DWORD bytes;
    };
    Raw RawValue(const wchar_t* name) const {
        Raw raw{};
        wchar_t buffer[512] = {};
        raw.bytes = sizeof(buffer);
        raw.status = RegQueryValueExW(key_, name, nullptr, &raw.type, reinterpret_cast<BYTE*>(buffer), &raw.bytes);
        // The size as stored: a reader may add a missing zero to what it hands back.
        RegQueryValueExW(key_, name, nullptr, nullptr, nullptr, &raw.bytes);
        raw.bytesAsText.assign(buffer, raw.bytes / sizeof(wchar_t));
        return raw;
    }

    static constexpr RegistryRoot kRoot = RegistryRoot::CurrentUser;
    std::wstring subKey_;
    HKEY key_ = nullptr;
    ScriptedDialogs dialogs_;
};

TEST_F(RegistryRoutinesTest, AStringIsStoredWholeWithItsZeroAndReadBack) {
    // Spaces and letters outside the ANSI code page: "C:\Zeit Ω\日本\orvanta.exe".
    const std::string path = "C:\\Zeit \xCE\xA9\\\xE6\x97\xA5\xE6\x9C\xAC\\orvanta.exe";
    ASSERT_TRUE(Write("orvanta.exe", path));
    const Raw raw = RawValue(L"orvanta.exe");
    ASSERT_EQ(raw.status, ERROR_SUCCESS);
    EXPECT_EQ(raw.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(raw.bytesAsText, toolkit::Widen(path) + L'\0');
    EXPECT_EQ(Read("orvanta.exe"), path);
    EXPECT_TRUE(dialogs_.shown.empty());
}

TEST_F(RegistryRoutinesTest, OnlyStringDataReadsAsTextAndAWriteReplacesAnyOther) {
    const DWORD number = 42;
    RegSetValueExW(key_, L"orvanta.exe", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof(number));
    const wchar_t expandable[] = L"%SystemRoot%\\clock.exe";
    RegSetValueExW(key_, L"expandable", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(expandable),
                   sizeof(expandable));
    // Without a terminating zero, as another program might leave it.
    RegSetValueExW(key_, L"unterminated", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"C:\\a.exe"), 8 * sizeof(wchar_t));
    EXPECT_EQ(Read("orvanta.exe"), "");
    EXPECT_EQ(Read("expandable"), "%SystemRoot%\\clock.exe");
    EXPECT_EQ(Read("unterminated"), "C:\\a.exe");
    EXPECT_EQ(Read("missing"), "");

    ASSERT_TRUE(Write("orvanta.exe", "C:\\Clock\\orvanta.exe"));
    EXPECT_EQ(RawValue(L"orvanta.exe").type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(Read("orvanta.exe"), "C:\\Clock\\orvanta.exe");
}

TEST_F(RegistryRoutinesTest, DeleteRemovesTheValueAndSucceedsWhenThereIsNone) {
    ASSERT_TRUE(Write("orvanta.exe", "C:\\Clock\\orvanta.exe"));
    ASSERT_TRUE(Write("other.exe", "C:\\other.exe"));
    EXPECT_TRUE(Delete("orvanta.exe"));
    EXPECT_EQ(RawValue(L"orvanta.exe").status, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RawValue(L"other.exe").status, ERROR_SUCCESS);
    EXPECT_TRUE(Delete("orvanta.exe"));
    EXPECT_TRUE(dialogs_.shown.empty());
}

TEST_F(RegistryRoutinesTest, AMissingKeyIsReportedAndNotCreated) {
    const std::string missing = KeyPath() + "\\missing";
    EXPECT_FALSE(Write_Registry_String(toolkit::OpenWinRegistry, dialogs_, kRoot, missing, "a", "b"));
    EXPECT_FALSE(Delete_Registry_Value(toolkit::OpenWinRegistry, dialogs_, kRoot, missing, "a"));
    EXPECT_EQ(Read_Registry_String(toolkit::OpenWinRegistry, kRoot, missing, "a"), "");
    HKEY opened = nullptr;
    EXPECT_EQ(RegOpenKeyExW(key_, L"missing", 0, KEY_READ, &opened), ERROR_FILE_NOT_FOUND);
    ASSERT_EQ(dialogs_.shown.size(), 2u);
    EXPECT_EQ(dialogs_.shown[0].text, RegistryKeyMissingOnWriteMessage(missing, "a", "b"));
    EXPECT_EQ(dialogs_.shown[1].text, RegistryKeyMissingOnDeleteMessage(missing, "a"));
}

TEST(SystemTimeZonesTest, ListsTheZonesWestToEastWithTheirNames) {
    const std::vector<TimeZoneRules> zones = toolkit::ReadSystemTimeZones();
    ASSERT_GT(zones.size(), 50u);
    EXPECT_TRUE(std::is_sorted(zones.begin(), zones.end(), [](const TimeZoneRules& a, const TimeZoneRules& b) {
        return a.rules.bias > b.rules.bias;
    }));
    const auto tokyo = std::find_if(zones.begin(), zones.end(),
                                    [](const TimeZoneRules& zone) { return zone.keyName == "Tokyo Standard Time"; });
    ASSERT_NE(tokyo, zones.end());
    EXPECT_EQ(tokyo->rules.bias, -540);
    EXPECT_EQ(tokyo->displayName.rfind("(UTC+09:00)", 0), 0u) << tokyo->displayName;
    EXPECT_FALSE(toolkit::ReadSystemTimeZone("No Such Standard Time"));
}

// A list for one year holds the whole list's zones and agrees with it on every day of that year,
// though it reads at most the rules of that year and the years either side.
TEST(SystemTimeZonesTest, TheListForAYearAgreesWithTheWholeListThatYear) {
    const std::vector<TimeZoneRules> whole = toolkit::ReadSystemTimeZones();
    const std::vector<TimeZoneRules> around = toolkit::ReadSystemTimeZonesAround(2006);
    ASSERT_EQ(around.size(), whole.size());
    for (std::size_t i = 0; i < whole.size(); ++i) {
        EXPECT_EQ(around[i].keyName + around[i].displayName, whole[i].keyName + whole[i].displayName);
        EXPECT_LE(around[i].years.size(), 3u);
        for (int halfDay = 0; halfDay < 730; ++halfDay) {
            const LocalDateTime moment = LocalDateTime::FromParts({2006, 1, 1}).value().AddDays(halfDay / 2.0).value();
            ASSERT_EQ(ZoneOffsetMinutes(around[i], moment), ZoneOffsetMinutes(whole[i], moment))
                << whole[i].keyName << " half-day " << halfDay;
        }
    }
}

// The system's own rules, read by key name, through the portable conversion.
TEST(SystemTimeZonesTest, ZonesFollowTheirDaylightSavingRules) {
    const struct {
        const char* keyName;
        DateTimeParts universal, zoneTime;
    } cases[] = {
        {"W. Europe Standard Time", {2026, 1, 15, 12}, {2026, 1, 15, 13}},
        {"W. Europe Standard Time", {2026, 7, 15, 12}, {2026, 7, 15, 14}},
        {"AUS Eastern Standard Time", {2026, 1, 15, 12}, {2026, 1, 15, 23}},
        {"AUS Eastern Standard Time", {2026, 7, 15, 12}, {2026, 7, 15, 22}},
        {"Nepal Standard Time", {2026, 7, 15, 12}, {2026, 7, 15, 17, 45}},
        {"Eastern Standard Time", {2026, 3, 8, 6, 59, 59, 999}, {2026, 3, 8, 1, 59, 59, 999}},
        {"Eastern Standard Time", {2026, 3, 8, 7}, {2026, 3, 8, 3}},
        {"Eastern Standard Time", {2006, 3, 20, 12}, {2006, 3, 20, 7}},  // its rules of 2006
    };
    for (const auto& c : cases) {
        const auto zone = toolkit::ReadSystemTimeZone(c.keyName);
        ASSERT_TRUE(zone) << c.keyName;
        EXPECT_EQ(ZoneTimeFromUniversal(*zone, LocalDateTime::FromParts(c.universal).value()),
                  LocalDateTime::FromParts(c.zoneTime))
            << c.keyName << " in month " << c.universal.month;
    }
}

}  // namespace
}  // namespace orvanta::testing
