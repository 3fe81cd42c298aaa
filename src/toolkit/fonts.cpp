// Fonts of the form descriptions at the screen's resolution. The designs name bitmap faces
// (MS Sans Serif, System) that exist in a few sizes only: where such a face cannot draw the
// height or weight asked for, a scalable face of the same role takes its place, so that bold
// stays bold and every text grows with its control.

#include "toolkit/fonts.h"

#include <cstdlib>

#include "toolkit/win_text.h"

namespace orvanta::toolkit {

namespace {

constexpr int kDesignDpi = 96;

LOGFONTW LogFont(const std::wstring& face, int height, const forms::FontSpec& font) {
    LOGFONTW logFont{};
    logFont.lfHeight = height;
    logFont.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    logFont.lfUnderline = font.underline ? TRUE : FALSE;
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfQuality = DEFAULT_QUALITY;
    wcsncpy(logFont.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    return logFont;
}

struct FaceQuery {
    const wchar_t* face;
    bool bold;
    bool found;
};

int CALLBACK NoteStyle(const LOGFONTW* style, const TEXTMETRICW*, DWORD fontType, LPARAM query) {
    auto& wanted = *reinterpret_cast<FaceQuery*>(query);
    if ((fontType & TRUETYPE_FONTTYPE) != 0 && _wcsicmp(style->lfFaceName, wanted.face) == 0 &&
        (!wanted.bold || style->lfWeight >= FW_SEMIBOLD)) {
        wanted.found = true;
        return 0;
    }
    return 1;
}

// Installed as an outline face of that name (not a substitute for another), with a bold style of
// its own when bold is asked: a simulated bold of an outline face reads as regular.
bool HasOutlineFace(const wchar_t* face, bool bold) {
    WindowDc screen(nullptr);
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(query.lfFaceName, face, LF_FACESIZE - 1);
    FaceQuery wanted{face, bold, false};
    EnumFontFamiliesExW(screen.Get(), &query, &NoteStyle, reinterpret_cast<LPARAM>(&wanted), 0);
    return wanted.found;
}

const wchar_t* ScalableFace(bool bold) {
    static const bool regular = HasOutlineFace(L"Microsoft Sans Serif", false);
    static const bool withBold = HasOutlineFace(L"Microsoft Sans Serif", true);
    return (bold ? withBold : regular) ? L"Microsoft Sans Serif" : L"Tahoma";
}

}  // namespace

int ScreenDpi() {
    WindowDc screen(nullptr);
    return GetDeviceCaps(screen.Get(), LOGPIXELSY);
}

namespace {

TEXTMETRICW MetricsOf(HFONT font) {
    WindowDc screen(nullptr);
    SelectedObject selected(screen.Get(), font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen.Get(), &metrics);
    return metrics;
}

}  // namespace

bool IsScalable(HFONT font) {
    return (MetricsOf(font).tmPitchAndFamily & (TMPF_VECTOR | TMPF_TRUETYPE)) != 0;
}

bool DrawsAsAsked(HFONT font, int height, bool bold) {
    WindowDc screen(nullptr);
    SelectedObject selected(screen.Get(), font);
    TEXTMETRICW metrics{};
    if (!GetTextMetricsW(screen.Get(), &metrics)) {
        return false;
    }
    if ((metrics.tmPitchAndFamily & (TMPF_VECTOR | TMPF_TRUETYPE)) != 0) {
        return true;
    }
    // A negative height asks for the character height, a positive one for the cell's.
    const int drawn = height < 0 ? metrics.tmHeight - metrics.tmInternalLeading : metrics.tmHeight;
    const bool heightMet = height == 0 || std::abs(drawn - std::abs(height)) <= 1;
    const bool weightMet = !bold || metrics.tmWeight >= FW_SEMIBOLD;
    return heightMet && weightMet;
}

UniqueFont CreateScaledFont(const forms::FontSpec& font, int dpi) {
    const int height = MulDiv(font.height, dpi, kDesignDpi);
    LOGFONTW designed = LogFont(Widen(font.face), height, font);
    UniqueFont created(CreateFontIndirectW(&designed));
    // A bitmap face is kept only at the resolution it was drawn for: elsewhere even a size it has
    // comes out with thin strokes, and its simulated bold reads as regular.
    const bool keep = created.Get() == nullptr || IsScalable(created.Get()) ||
                      (dpi == kDesignDpi && DrawsAsAsked(created.Get(), height, font.bold));
    if (keep) {
        return created;
    }
    // A face that is bold by nature (System) keeps its weight in the replacement.
    forms::FontSpec replacement = font;
    replacement.bold = font.bold || MetricsOf(created.Get()).tmWeight >= FW_SEMIBOLD;
    LOGFONTW scalable = LogFont(ScalableFace(replacement.bold), height, replacement);
    return UniqueFont(CreateFontIndirectW(&scalable));
}

}  // namespace orvanta::toolkit
