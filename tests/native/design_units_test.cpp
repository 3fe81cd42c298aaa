#include "core/design_units.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>

#include "core/settings_file.h"
#include "fake_ini_store.h"

namespace orvanta {
namespace {

TEST(DesignUnits, NinetySixDpiIsTheIdentity) {
    for (int value : {-32000, -7, 0, 1, 87, 240, 1023, 32000}) {
        EXPECT_EQ(DesignUnitsToPixels(value, 96), value);
        EXPECT_EQ(PixelsToDesignUnits(value, 96), value);
    }
}

TEST(DesignUnits, ScaleToTheNearestPixelBothWays) {
    struct Case {
        int units, dpi, pixels;
    };
    for (const Case& c : {Case{240, 144, 360}, Case{87, 144, 131}, Case{87, 120, 109}, Case{87, 192, 174},
                          Case{-7, 144, -11}, Case{1, 144, 2}, Case{-1, 144, -2}}) {
        EXPECT_EQ(DesignUnitsToPixels(c.units, c.dpi), c.pixels) << c.units << " at " << c.dpi;
    }
    EXPECT_EQ(PixelsToDesignUnits(131, 144), 87);
    EXPECT_EQ(PixelsToDesignUnits(-11, 144), -7);
    EXPECT_EQ(PixelsToDesignUnits(100, 120), 80);
}

TEST(DesignUnits, AStoredValueComesBackAfterARoundTripAtAnyResolution) {
    for (int dpi : {96, 120, 144, 192}) {
        for (int units = -3000; units <= 3000; ++units) {
            ASSERT_EQ(PixelsToDesignUnits(DesignUnitsToPixels(units, dpi), dpi), units) << units << " at " << dpi;
        }
    }
}

// Values near the integer limits: the file's are held within a window's reach before any
// arithmetic, and the conversion itself never leaves an int.
TEST(DesignUnits, GeometryAtTheIntegerLimitsStaysInRangeAtEveryResolution) {
    for (const char* text : {"2147483647", "-2147483648", "0x7FFFFFFF", "0x80000000"}) {
        FakeIniStore store;
        for (const char* key : {"window_top_posn", "window_left_posn", "window_ClientWidth", "window_ClientHeight"}) {
            store.Set(key, text);
        }
        const Settings read = ReadSettings(store);
        for (const int dpi : {96, 144}) {
            for (const int value : {read.windowTop, read.windowLeft, read.clientWidth, read.clientHeight}) {
                EXPECT_LE(std::abs(value), kMaxWindowCoordinate) << text;
                EXPECT_EQ(PixelsToDesignUnits(DesignUnitsToPixels(value, dpi), dpi), value) << text << " at " << dpi;
            }
            EXPECT_GE(read.clientWidth, 0) << text;
        }
    }
    EXPECT_EQ(DesignUnitsToPixels(INT_MAX, 144), INT_MAX);
    EXPECT_EQ(DesignUnitsToPixels(INT_MIN, 144), INT_MIN);
}

}  // namespace
}  // namespace orvanta
