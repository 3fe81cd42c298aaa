#pragma once

#include <windows.h>

#include "core/look.h"
#include "form_types/form_description.h"

namespace orvanta::toolkit {

// A colour as Windows gives it.
COLORREF ToColorRef(Paint paint);
// A description's colour as Windows gives it; `fallback` for the default colour.
COLORREF ToColorRef(const forms::Color& color, COLORREF fallback);

// A frame does not paint inside itself, and the window beneath it clips it out: from now on the
// frame fills its interior with the background its parent gives static controls. A raised frame
// also draws its raised edge itself.
void PaintFrameInterior(HWND frame, bool raised);

}  // namespace orvanta::toolkit
