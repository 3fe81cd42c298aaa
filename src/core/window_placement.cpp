#include "core/window_placement.h"

#include <algorithm>

namespace orvanta {

ScreenRect BringOntoWorkArea(const ScreenRect& window, const ScreenRect& workArea) {
    const int left = std::max(workArea.left, std::min(window.left, workArea.right - window.Width()));
    const int top = std::max(workArea.top, std::min(window.top, workArea.bottom - window.Height()));
    return {left, top, left + window.Width(), top + window.Height()};
}

}  // namespace orvanta
