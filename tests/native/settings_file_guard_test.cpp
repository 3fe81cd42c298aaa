#include "core/settings_file_guard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <vector>

namespace orvanta {
namespace {

using State = SettingsFileState;
using Reason = FirstShowing;

struct WaitCase {
    const char* name;
    Reason reason;
    std::vector<State> looks;  // what each look finds; the last one repeats
    State expected;
    unsigned expectedLooks;

    friend void PrintTo(const WaitCase& c, std::ostream* out) { *out << c.name; }
};

class WaitForSettingsFileTest : public ::testing::TestWithParam<WaitCase> {};

TEST_P(WaitForSettingsFileTest, LooksUntilTheFileIsReadableOrMissingForAboutTwoSeconds) {
    const WaitCase& c = GetParam();
    unsigned looks = 0;
    unsigned paused = 0;
    const State found = WaitForSettingsFile([&] { return c.looks[std::min<std::size_t>(looks++, c.looks.size() - 1)]; },
                                            [&](unsigned milliseconds) { paused += milliseconds; }, c.reason);
    EXPECT_EQ(found, c.expected);
    EXPECT_EQ(looks, c.expectedLooks);
    EXPECT_EQ(paused, (c.expectedLooks - 1) * kSettingsFileRetryStepMs);
}

constexpr unsigned kAllLooks = kSettingsFileRetryMs / kSettingsFileRetryStepMs + 1;

INSTANTIATE_TEST_SUITE_P(
    Cases,
    WaitForSettingsFileTest,
    ::testing::Values(
        WaitCase{"Readable", Reason::Start, {State::Readable}, State::Readable, 1},
        WaitCase{"Missing", Reason::Start, {State::Missing}, State::Missing, 1},
        WaitCase{"ReleasedOnTheThirdLook",
                 Reason::Start,
                 {State::Unreadable, State::Unreadable, State::Readable},
                 State::Readable,
                 3},
        WaitCase{"DeletedMeanwhile", Reason::Start, {State::Unreadable, State::Missing}, State::Missing, 2},
        WaitCase{"NeverReleased", Reason::Start, {State::Unreadable}, State::Unreadable, kAllLooks},
        WaitCase{"FactoryResetLooksOnce",
                 Reason::FactoryReset,
                 {State::Unreadable, State::Readable},
                 State::Unreadable,
                 1}),
    [](const ::testing::TestParamInfo<WaitCase>& param) { return param.param.name; });

TEST(DecideSettingsStartupTest, OnlyAFileThatCouldNotBeReadAtStartUpIsWarnedAboutAndKeptUntouched) {
    struct Case {
        State state;
        Reason reason;
        bool readFile, warn, keepFileUntouched, widenToFirstRow;
    };
    const Case cases[] = {
        {State::Readable, Reason::Start, true, false, false, false},
        {State::Missing, Reason::Start, true, false, false, true},
        {State::Unreadable, Reason::Start, false, true, true, true},
        {State::Readable, Reason::FactoryReset, true, false, false, false},
        {State::Missing, Reason::FactoryReset, true, false, false, true},
        // The user asked for the defaults: no warning, and the next close writes as usual.
        {State::Unreadable, Reason::FactoryReset, false, false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "state " << static_cast<int>(c.state) << ", reason " << static_cast<int>(c.reason));
        const SettingsStartup startup = DecideSettingsStartup(c.state, c.reason);
        EXPECT_EQ(startup.readFile, c.readFile);
        EXPECT_EQ(startup.warn, c.warn);
        EXPECT_EQ(startup.keepFileUntouched, c.keepFileUntouched);
        EXPECT_EQ(startup.widenToFirstRow, c.widenToFirstRow);
    }
}

}  // namespace
}  // namespace orvanta
