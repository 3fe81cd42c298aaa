#include <gtest/gtest.h>

#include "core/window_placement.h"

namespace orvanta {
namespace {

TEST(WindowPlacementTest, AWindowNoMonitorShowsMovesTheShortestWayOntoTheWorkArea) {
    const ScreenRect work{0, 0, 1024, 738};
    struct Case {
        ScreenRect saved;
        ScreenRect expected;
    } cases[] = {
        {{5000, 5000, 5286, 5404}, {738, 334, 1024, 738}},  // a second monitor to the lower right is gone
        {{-2000, 100, -1714, 504}, {0, 100, 286, 504}},     // one to the left is gone: only left moves
        {{100, -900, 386, -496}, {100, 0, 386, 404}},       // above
        {{3000, 0, 4600, 1000}, {0, 0, 1600, 1000}},        // larger than the area: top-left stays inside
    };
    for (const auto& c : cases) {
        const ScreenRect moved = BringOntoWorkArea(c.saved, work);
        EXPECT_EQ(moved, c.expected) << c.saved.left << "," << c.saved.top;
        EXPECT_EQ(moved.Width(), c.saved.Width());
        EXPECT_EQ(moved.Height(), c.saved.Height());
    }
}

TEST(WindowPlacementTest, AWindowInsideTheAreaStaysExactlyWhereItIs) {
    const ScreenRect work{-1280, 0, 0, 1024};  // a monitor left of the primary one
    const ScreenRect saved{-900, 300, -614, 704};
    EXPECT_EQ(BringOntoWorkArea(saved, work), saved);
}

}  // namespace
}  // namespace orvanta
