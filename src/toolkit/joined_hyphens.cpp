// Labels that paint their text themselves: hyphens joined into one line.

#include "toolkit/joined_hyphens.h"

#include <commctrl.h>

#include <string>

#include "toolkit/handles.h"

namespace orvanta::toolkit {

namespace {

// Where a character's ink lies, from the left of its cell and from the top of the line.
struct Ink {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

Ink InkOf(HDC dc, wchar_t character, const TEXTMETRICW& metrics) {
    GLYPHMETRICS glyph{};
    const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    if (GetGlyphOutlineW(dc, character, GGO_METRICS, &glyph, 0, nullptr, &identity) == GDI_ERROR) {
        // No outline (a bitmap face): the whole cell, a tenth of its height thick, halfway up the ascent.
        SIZE cell{};
        GetTextExtentPoint32W(dc, &character, 1, &cell);
        const int thickness = metrics.tmHeight / 10 + 1;
        return {0, (metrics.tmAscent - thickness) / 2, cell.cx, thickness};
    }
    return {glyph.gmptGlyphOrigin.x, metrics.tmAscent - glyph.gmptGlyphOrigin.y, static_cast<int>(glyph.gmBlackBoxX),
            static_cast<int>(glyph.gmBlackBoxY)};
}

// How far a character takes the pen: a hyphen its ink only, so hyphens meet; any other character
// to the right end of its ink.
int CellWidth(HDC dc, wchar_t character, const TEXTMETRICW& metrics) {
    const Ink ink = InkOf(dc, character, metrics);
    return character == L'-' ? ink.width : ink.left + ink.width;
}

void Paint(HWND label, HDC dc) {
    RECT client{};
    GetClientRect(label, &client);
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(label), WM_CTLCOLORSTATIC,
                                                       reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label)));
    FillRect(dc, &client, brush != nullptr ? brush : GetSysColorBrush(COLOR_BTNFACE));
    SelectedObject font(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
    SetBkMode(dc, TRANSPARENT);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(label)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(label, text.data(), static_cast<int>(text.size()))));

    const Ink hyphen = InkOf(dc, L'-', metrics);
    UniqueBrush ink(CreateSolidBrush(GetTextColor(dc)));
    int x = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != L'-') {
            TextOutW(dc, x, 0, &text[i], 1);
            x += CellWidth(dc, text[i], metrics);
            continue;
        }
        const int start = x;
        while (i < text.size() && text[i] == L'-') {
            x += hyphen.width;
            ++i;
        }
        int right = x;
        if (i < text.size() && text[i] == L'>') {
            // Into the head, short of its tip, so the line ends inside the point.
            const Ink head = InkOf(dc, L'>', metrics);
            right += head.left + head.width - 2 * hyphen.height;
        }
        const RECT line{start, hyphen.top, right, hyphen.top + hyphen.height};
        FillRect(dc, &line, ink.Get());
        --i;
    }
}

LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            HDC dc = BeginPaint(window, &paint);
            Paint(window, dc);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_PRINTCLIENT:
            Paint(window, reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_NCDESTROY:
            RemoveWindowSubclass(window, &SubclassProc, 0);
            break;
        default:
            break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

int JoinedHyphensWidth(HDC dc, const std::wstring& text) {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    int width = 0;
    for (wchar_t character : text) {
        width += CellWidth(dc, character, metrics);
    }
    return width;
}

void PaintHyphensJoined(HWND label) {
    SetWindowSubclass(label, &SubclassProc, 0, 0);
}

}  // namespace orvanta::toolkit
