#pragma once

#include <windows.h>

#include "core/look.h"

namespace orvanta::toolkit {

// A colour as Windows gives it.
COLORREF ToColorRef(Paint paint);

// A frame does not paint inside itself, and the window beneath it clips it out: from now on the
// frame fills its interior with the background its parent gives static controls. A raised frame
// also draws its raised edge itself.
void PaintFrameInterior(HWND frame, bool raised);

}  // namespace orvanta::toolkit
