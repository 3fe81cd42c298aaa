#include "toolkit/picture.h"

#include <commctrl.h>
#include <objidl.h>

#include <gdiplus.h>

#include <algorithm>

#include "toolkit/win_text.h"

namespace orvanta::toolkit {

namespace gp = Gdiplus::DllExports;

// GDI+ runs while any image lives: started with the first, shut down after the last.
class GdiplusSession {
  public:
    static std::shared_ptr<GdiplusSession> Acquire() {
        static std::weak_ptr<GdiplusSession> current;
        if (auto session = current.lock()) {
            return session;
        }
        auto session = std::shared_ptr<GdiplusSession>(new GdiplusSession());
        if (!session->started_) {
            return nullptr;
        }
        current = session;
        return session;
    }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    ~GdiplusSession() {
        if (started_) {
            Gdiplus::GdiplusShutdown(token_);
        }
    }

  private:
    GdiplusSession() {
        Gdiplus::GdiplusStartupInput input;
        started_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
    }
    ULONG_PTR token_ = 0;
    bool started_ = false;
};

// The bitmap and the stream GDI+ decodes it from; GDI+ reads the stream for as long as the bitmap
// lives, so they go together.
struct DecodedImage {
    ~DecodedImage() {
        if (bitmap != nullptr) {
            gp::GdipDisposeImage(bitmap);
        }
        if (stream != nullptr) {
            stream->Release();
        }
    }
    IStream* stream = nullptr;
    Gdiplus::GpBitmap* bitmap = nullptr;
};

namespace {

// FrameDimensionTime, spelt out so that no GUID library is needed.
constexpr GUID kFrameDimensionTime = {0x6aedbd6d, 0x3fb5, 0x418a, {0x83, 0xa6, 0x7f, 0x45, 0x22, 0x9d, 0xc8, 0x72}};
constexpr PROPID kPropertyTagFrameDelay = 0x5100;
// Browsers give a GIF frame without a usable delay a tenth of a second; so do we.
constexpr unsigned kDefaultFrameDelayMs = 100;
constexpr unsigned kShortestFrameDelayMs = 20;
constexpr UINT_PTR kAnimationTimer = 0x4F52;  // on the picture's own window

// A copy of the resource's bytes in a stream that owns them.
IStream* ResourceStream(std::string_view resourceName) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(module, Widen(resourceName).c_str(), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    if (resource == nullptr) {
        return nullptr;
    }
    const DWORD size = SizeofResource(module, resource);
    HGLOBAL loaded = LoadResource(module, resource);
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr || size == 0) {
        return nullptr;
    }
    HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
    if (copy == nullptr) {
        return nullptr;
    }
    void* target = GlobalLock(copy);
    if (target == nullptr) {
        GlobalFree(copy);
        return nullptr;
    }
    CopyMemory(target, bytes, size);
    GlobalUnlock(copy);
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(copy, TRUE, &stream))) {
        GlobalFree(copy);
        return nullptr;
    }
    return stream;
}

std::vector<unsigned> FrameDelays(Gdiplus::GpBitmap* bitmap) {
    UINT count = 0;
    if (gp::GdipImageGetFrameCount(bitmap, &kFrameDimensionTime, &count) != Gdiplus::Ok || count == 0) {
        count = 1;  // a still picture has no time dimension
    }
    std::vector<unsigned> delays(count, kDefaultFrameDelayMs);
    UINT size = 0;
    if (count < 2 || gp::GdipGetPropertyItemSize(bitmap, kPropertyTagFrameDelay, &size) != Gdiplus::Ok ||
        size < sizeof(Gdiplus::PropertyItem)) {
        return delays;
    }
    std::vector<unsigned char> buffer(size);
    auto* item = reinterpret_cast<Gdiplus::PropertyItem*>(buffer.data());
    if (gp::GdipGetPropertyItem(bitmap, kPropertyTagFrameDelay, size, item) != Gdiplus::Ok) {
        return delays;
    }
    // One 32-bit value a frame, in hundredths of a second.
    const auto* values = static_cast<const UINT*>(item->value);
    const std::size_t given = std::min<std::size_t>(item->length / sizeof(UINT), count);
    for (std::size_t i = 0; i < given; ++i) {
        const unsigned ms = values[i] * 10;
        delays[i] = ms < kShortestFrameDelayMs ? kDefaultFrameDelayMs : ms;
    }
    return delays;
}

class Graphics {
  public:
    explicit Graphics(HDC dc) { gp::GdipCreateFromHDC(dc, &graphics_); }
    explicit Graphics(Gdiplus::GpImage* image) { gp::GdipGetImageGraphicsContext(image, &graphics_); }
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;
    ~Graphics() {
        if (graphics_ != nullptr) {
            gp::GdipDeleteGraphics(graphics_);
        }
    }
    // Stretches smoothly; the half-pixel offset keeps the right and bottom edges painted.
    bool DrawStretched(Gdiplus::GpImage* image, const RECT& bounds) {
        if (graphics_ == nullptr) {
            return false;
        }
        gp::GdipSetInterpolationMode(graphics_, Gdiplus::InterpolationModeHighQualityBicubic);
        gp::GdipSetPixelOffsetMode(graphics_, Gdiplus::PixelOffsetModeHalf);
        return gp::GdipDrawImageRectI(graphics_, image, bounds.left, bounds.top, bounds.right - bounds.left,
                                      bounds.bottom - bounds.top) == Gdiplus::Ok;
    }

  private:
    Gdiplus::GpGraphics* graphics_ = nullptr;
};

}  // namespace

std::unique_ptr<EmbeddedImage> EmbeddedImage::Load(std::string_view resourceName) {
    auto session = GdiplusSession::Acquire();
    if (!session) {
        return nullptr;
    }
    auto decoded = std::make_unique<DecodedImage>();
    decoded->stream = ResourceStream(resourceName);
    if (decoded->stream == nullptr ||
        gp::GdipCreateBitmapFromStream(decoded->stream, &decoded->bitmap) != Gdiplus::Ok ||
        decoded->bitmap == nullptr) {
        return nullptr;
    }
    std::unique_ptr<EmbeddedImage> image(new EmbeddedImage());
    image->delaysMs_ = FrameDelays(decoded->bitmap);
    image->image_ = std::move(decoded);
    image->session_ = std::move(session);  // outlives the bitmap: members go in reverse order
    return image;
}

EmbeddedImage::~EmbeddedImage() {
    image_.reset();  // before the session ends
}

unsigned EmbeddedImage::FrameDelayMs(int frame) const {
    return delaysMs_.at(static_cast<std::size_t>(frame));
}

void EmbeddedImage::SelectFrame(int frame) {
    if (frame < 0 || frame >= FrameCount() || frame == frame_) {
        return;
    }
    if (gp::GdipImageSelectActiveFrame(image_->bitmap, &kFrameDimensionTime, static_cast<UINT>(frame)) == Gdiplus::Ok) {
        frame_ = frame;
    }
}

void EmbeddedImage::Draw(HDC dc, const RECT& bounds) const {
    Graphics graphics(dc);
    graphics.DrawStretched(image_->bitmap, bounds);
}

UniqueBitmap EmbeddedImage::RenderBitmap(int width, int height, COLORREF background) const {
    Gdiplus::GpBitmap* canvas = nullptr;
    if (gp::GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppARGB, nullptr, &canvas) != Gdiplus::Ok) {
        return {};
    }
    const Gdiplus::ARGB opaque =
        0xFF000000u | (GetRValue(background) << 16) | (GetGValue(background) << 8) | GetBValue(background);
    HBITMAP bitmap = nullptr;
    {
        Graphics graphics(canvas);
        if (graphics.DrawStretched(image_->bitmap, {0, 0, width, height})) {
            gp::GdipCreateHBITMAPFromBitmap(canvas, &bitmap, opaque);
        }
    }
    gp::GdipDisposeImage(canvas);
    return UniqueBitmap(bitmap);
}

PictureView::PictureView(HWND control, std::string_view resourceName)
    : window_(control), image_(EmbeddedImage::Load(resourceName)) {
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
    if (animated_) {
        ScheduleNextFrame();
    } else {
        KillTimer(window_, kAnimationTimer);
    }
}

void PictureView::ScheduleNextFrame() {
    if (!animated_ || FrameCount() < 2) {
        return;
    }
    // Setting the timer again replaces it with the delay of the frame now shown.
    SetTimer(window_, kAnimationTimer, image_->FrameDelayMs(image_->CurrentFrame()), nullptr);
}

void PictureView::NextFrame() {
    image_->SelectFrame((image_->CurrentFrame() + 1) % FrameCount());
    InvalidateRect(window_, nullptr, FALSE);
    ScheduleNextFrame();
}

void PictureView::Paint(HDC dc) const {
    RECT client{};
    GetClientRect(window_, &client);
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(
        GetParent(window_), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(window_)));
    FillRect(dc, &client, brush != nullptr ? brush : GetSysColorBrush(COLOR_BTNFACE));
    if (image_) {
        image_->Draw(dc, client);
    }
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
            // Drawn off screen first, so that a new frame never flickers through the background.
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

UniqueImageList SetButtonGlyph(HWND button, std::string_view resourceName, int size) {
    const auto image = EmbeddedImage::Load(resourceName);
    if (!image) {
        return {};
    }
    // Laid on the button face: the image list then needs no alpha channel of its own.
    UniqueBitmap bitmap = image->RenderBitmap(size, size, GetSysColor(COLOR_BTNFACE));
    UniqueImageList list(ImageList_Create(size, size, ILC_COLOR32, 1, 0));
    if (!bitmap || !list || ImageList_Add(list.Get(), bitmap.Get(), nullptr) < 0) {
        return {};
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
