#include "toolkit/fonts.h"

#include "toolkit/win_text.h"

namespace orvanta::toolkit {

int ScreenDpi() {
    WindowDc screen(nullptr);
    return GetDeviceCaps(screen.Get(), LOGPIXELSY);
}

UniqueFont CreateScaledFont(const forms::FontSpec& font, int dpi) {
    LOGFONTW logFont{};
    logFont.lfHeight = MulDiv(font.height, dpi, 96);
    logFont.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    logFont.lfUnderline = font.underline ? TRUE : FALSE;
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfQuality = DEFAULT_QUALITY;
    const std::wstring face = Widen(font.face);
    wcsncpy(logFont.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    return UniqueFont(CreateFontIndirectW(&logFont));
}

}  // namespace orvanta::toolkit
