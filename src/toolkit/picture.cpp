#include "toolkit/picture.h"

#include <commctrl.h>

#include <cmath>
#include <cstring>
#include <span>
#include <vector>

#include "core/glyph_pixels.h"
#include "form_types/form_description.h"
#include "toolkit/win_text.h"

namespace orvanta::toolkit {

namespace {

constexpr UINT_PTR kAnimationTimer = 0x4F52;  // on the picture's own window

// An RCDATA resource of the exe, in place; empty when there is none.
std::span<const std::uint8_t> ResourceBytes(std::string_view resourceName) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(module, Widen(resourceName).c_str(), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    if (resource == nullptr) {
        return {};
    }
    const DWORD size = SizeofResource(module, resource);
    HGLOBAL loaded = LoadResource(module, resource);
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    return bytes != nullptr ? std::span(static_cast<const std::uint8_t*>(bytes), size)
                            : std::span<const std::uint8_t>();
}

BITMAPINFO TopDownBitmapInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

COLORREF SolidColorOf(HBRUSH brush) {
    LOGBRUSH described{};
    if (GetObjectW(brush, sizeof(described), &described) == sizeof(described) && described.lbStyle == BS_SOLID) {
        return described.lbColor;
    }
    return GetSysColor(COLOR_BTNFACE);
}

// The picture's words, in the system's fonts, over its pixels.
void WriteTexts(HDC dc, std::span<const PictureText> texts) {
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    const UINT previousAlign = GetTextAlign(dc);
    for (const PictureText& text : texts) {
        LOGFONTW font{};
        font.lfHeight = -static_cast<LONG>(std::lround(text.size));
        font.lfWeight = text.bold ? FW_BOLD : FW_NORMAL;
        font.lfItalic = text.italic ? TRUE : FALSE;
        font.lfCharSet = DEFAULT_CHARSET;
        // Smoothed at every size, as the shapes beneath are.
        font.lfQuality = ANTIALIASED_QUALITY;
        const std::wstring face = Widen(text.face);
        face.copy(font.lfFaceName, LF_FACESIZE - 1);
        const UniqueFont handle(CreateFontIndirectW(&font));
        const SelectedObject selected(dc, handle.Get());
        SetTextColor(dc, RGB((text.rgb >> 16) & 0xFF, (text.rgb >> 8) & 0xFF, text.rgb & 0xFF));
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        int y = static_cast<int>(std::lround(text.y));
        UINT align = TA_LEFT | TA_BASELINE;
        if (text.anchor == TextAnchor::TopRight) {
            align = TA_RIGHT | TA_TOP;
            y -= metrics.tmInternalLeading;  // the em's top, not the cell's
        } else if (text.anchor == TextAnchor::Centre) {
            align = TA_CENTER | TA_TOP;
            y -= metrics.tmHeight / 2;
        }
        SetTextAlign(dc, align);
        const std::wstring wide = Widen(text.text);
        TextOutW(dc, static_cast<int>(std::lround(text.x)), y, wide.c_str(), static_cast<int>(wide.size()));
    }
    SetTextAlign(dc, previousAlign);
    SetBkMode(dc, previousMode);
}

}  // namespace

const PictureDrawing* DrawingNamed(std::string_view name) {
    static constexpr struct {
        std::string_view name;
        const PictureDrawing* drawing;
    } kDrawings[] = {{forms::kLogoImage, &kLogoPicture},
                     {forms::kBannerImage, &kBannerPicture},
                     {forms::kBadgeImage, &kBadgePicture},
                     {forms::kDonateImage, &kDonatePicture}};
    for (const auto& entry : kDrawings) {
        if (entry.name == name) {
            return entry.drawing;
        }
    }
    return nullptr;
}

PictureView::PictureView(HWND control, std::string_view drawingName)
    : window_(control), drawing_(DrawingNamed(drawingName)) {
    SetWindowSubclass(window_, &PictureView::SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

PictureView::~PictureView() {
    if (window_ != nullptr) {
        KillTimer(window_, kAnimationTimer);
        RemoveWindowSubclass(window_, &PictureView::SubclassProc, 0);
    }
}

void PictureView::SetAnimated(bool animated) {
    animated_ = animated;
    if (animated_ && FrameCount() > 1) {
        SetTimer(window_, kAnimationTimer, drawing_->frameDelayMs, nullptr);
    } else {
        KillTimer(window_, kAnimationTimer);
    }
}

void PictureView::NextFrame() {
    frame_ = (frame_ + 1) % FrameCount();
    InvalidateRect(window_, nullptr, FALSE);
}

void PictureView::Paint(HDC dc) const {
    RECT client{};
    GetClientRect(window_, &client);
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(
        GetParent(window_), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(window_)));
    if (brush == nullptr) {
        brush = GetSysColorBrush(COLOR_BTNFACE);
    }
    const SIZE size{client.right, client.bottom};
    const COLORREF background = SolidColorOf(brush);
    if (drawing_ != nullptr && (renderedFrame_ != frame_ || renderedSize_.cx != size.cx ||
                                renderedSize_.cy != size.cy || renderedBackground_ != background)) {
        rendered_ = RenderPicture(
            *drawing_, frame_, size.cx, size.cy,
            0xFF000000 | GetRValue(background) << 16 | GetGValue(background) << 8 | GetBValue(background));
        renderedFrame_ = frame_;
        renderedSize_ = size;
        renderedBackground_ = background;
    }
    if (drawing_ == nullptr || rendered_.pixels.empty()) {
        FillRect(dc, &client, brush);
        return;
    }
    const BITMAPINFO info = TopDownBitmapInfo(size.cx, size.cy);
    SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(size.cx), static_cast<DWORD>(size.cy), 0, 0, 0,
                      static_cast<UINT>(size.cy), rendered_.pixels.data(), &info, DIB_RGB_COLORS);
    WriteTexts(dc, rendered_.texts);
}

void PictureView::PaintUnder(HDC dc, POINT origin) const {
    POINT previous{};
    SetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
    Paint(dc);
    SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

LRESULT CALLBACK
PictureView::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    auto* view = reinterpret_cast<PictureView*>(self);
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // painted whole in WM_PAINT
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            HDC dc = BeginPaint(window, &paint);
            RECT client{};
            GetClientRect(window, &client);
            // Drawn off screen first, so that the words never flicker over a bare frame.
            HDC memory = CreateCompatibleDC(dc);
            UniqueBitmap canvas(CreateCompatibleBitmap(dc, client.right, client.bottom));
            if (memory != nullptr && canvas) {
                HGDIOBJ old = SelectObject(memory, canvas.Get());
                view->Paint(memory);
                BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
                SelectObject(memory, old);
            } else {
                view->Paint(dc);
            }
            if (memory != nullptr) {
                DeleteDC(memory);
            }
            EndPaint(window, &paint);
            return 0;
        }
        case WM_TIMER:
            if (wParam == kAnimationTimer) {
                view->NextFrame();
                return 0;
            }
            break;
        case WM_NCDESTROY:
            KillTimer(window, kAnimationTimer);
            RemoveWindowSubclass(window, &PictureView::SubclassProc, 0);
            view->window_ = nullptr;
            break;
        default:
            break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

// Glyphs are decoded and drawn by our own code, as the pictures are: a picture decoder would cost a
// window's first opening the load of a DLL.
UniqueImageList SetButtonGlyph(HWND button, std::string_view resourceName, int size) {
    const auto image = DecodeGlyph(ResourceBytes(resourceName));
    if (!image) {
        return {};
    }
    // A picture twice as wide as it is tall holds the normal glyph and the disabled one beside it.
    const int glyphs = image->width >= 2 * image->height ? 2 : 1;
    // Laid on the button face: the image list then needs no alpha channel of its own.
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const std::vector<std::uint32_t> pixels =
        RenderGlyph(*image, size * glyphs, size, GetRValue(face) << 16 | GetGValue(face) << 8 | GetBValue(face));
    const BITMAPINFO info = TopDownBitmapInfo(size * glyphs, size);
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bitmap && bits != nullptr && !pixels.empty()) {
        std::memcpy(bits, pixels.data(), pixels.size() * sizeof(pixels[0]));
    }
    UniqueImageList list(ImageList_Create(size, size, ILC_COLOR32, 6, 0));
    if (!bitmap || !list || ImageList_Add(list.Get(), bitmap.Get(), nullptr) < 0) {
        return {};
    }
    if (glyphs == 2) {
        // Given more than one image, the button takes one for each state: normal, hot, pressed,
        // disabled, defaulted, stylus hot. The pair three times over, then the normal glyph
        // where a disabled one stands at a state that is not disabled.
        ImageList_Add(list.Get(), bitmap.Get(), nullptr);
        ImageList_Add(list.Get(), bitmap.Get(), nullptr);
        constexpr int kHot = 1;
        constexpr int kStylusHot = 5;
        for (const int state : {kHot, kStylusHot}) {
            ImageList_Copy(list.Get(), state, list.Get(), 0, ILCF_MOVE);
        }
    }
    BUTTON_IMAGELIST glyph{};
    glyph.himl = list.Get();
    glyph.margin = {size / 4, 0, 0, 0};
    glyph.uAlign = BUTTON_IMAGELIST_ALIGN_LEFT;
    if (!SendMessageW(button, BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&glyph))) {
        return {};
    }
    return list;
}

}  // namespace orvanta::toolkit
