#pragma once

namespace orvanta {

struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// A saved position that no monitor shows any more (a monitor removed, a resolution lowered) is moved
// the shortest way onto the work area; a window larger than the area keeps its top-left corner in it.
// The size never changes.
ScreenRect BringOntoWorkArea(const ScreenRect& window, const ScreenRect& workArea);

}  // namespace orvanta
