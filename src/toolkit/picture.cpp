#include "toolkit/picture.h"

#include <commctrl.h>
#include <objidl.h>

#include <gdiplus.h>

#include <algorithm>

#include "toolkit/system_library.h"
#include "toolkit/win_text.h"

namespace orvanta::toolkit {

namespace gp = Gdiplus::DllExports;

namespace {

// What the pictures use of GDI+ and COM, found the first time a picture is decoded. Should one
// be missing, the first picture throws, and the next one tries again.
struct PictureApi {
#define ORVANTA_GDIPLUS(name) decltype(&gp::name) name = GdiplusLibrary().Get<decltype(gp::name)>(#name)
    decltype(&Gdiplus::GdiplusStartup) GdiplusStartup =
        GdiplusLibrary().Get<decltype(Gdiplus::GdiplusStartup)>("GdiplusStartup");
    decltype(&Gdiplus::GdiplusShutdown) GdiplusShutdown =
        GdiplusLibrary().Get<decltype(Gdiplus::GdiplusShutdown)>("GdiplusShutdown");
    ORVANTA_GDIPLUS(GdipCreateBitmapFromScan0);
    ORVANTA_GDIPLUS(GdipCreateBitmapFromStream);
    ORVANTA_GDIPLUS(GdipCreateFromHDC);
    ORVANTA_GDIPLUS(GdipCreateHBITMAPFromBitmap);
    ORVANTA_GDIPLUS(GdipDeleteGraphics);
    ORVANTA_GDIPLUS(GdipDisposeImage);
    ORVANTA_GDIPLUS(GdipDrawImageRectI);
    ORVANTA_GDIPLUS(GdipGetImageGraphicsContext);
    ORVANTA_GDIPLUS(GdipGetImageHeight);
    ORVANTA_GDIPLUS(GdipGetImageWidth);
    ORVANTA_GDIPLUS(GdipGetPropertyItem);
    ORVANTA_GDIPLUS(GdipGetPropertyItemSize);
    ORVANTA_GDIPLUS(GdipImageGetFrameCount);
    ORVANTA_GDIPLUS(GdipImageSelectActiveFrame);
    ORVANTA_GDIPLUS(GdipSetInterpolationMode);
    ORVANTA_GDIPLUS(GdipSetPixelOffsetMode);
#undef ORVANTA_GDIPLUS
    decltype(&::CreateStreamOnHGlobal) CreateStreamOnHGlobal =
        Ole32Library().Get<decltype(::CreateStreamOnHGlobal)>("CreateStreamOnHGlobal");
};

const PictureApi& Api() {
    static const PictureApi api;
    return api;
}

}  // namespace

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
            Api().GdiplusShutdown(token_);
        }
    }

  private:
    GdiplusSession() {
        Gdiplus::GdiplusStartupInput input;
        started_ = Api().GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
    }
    ULONG_PTR token_ = 0;
    bool started_ = false;
};

// The bitmap and the stream GDI+ decodes it from; GDI+ reads the stream for as long as the bitmap
// lives, so they go together.
struct DecodedImage {
    ~DecodedImage() {
        if (bitmap != nullptr) {
            Api().GdipDisposeImage(bitmap);
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
    if (FAILED(Api().CreateStreamOnHGlobal(copy, TRUE, &stream))) {
        GlobalFree(copy);
        return nullptr;
    }
    return stream;
}

std::vector<unsigned> FrameDelays(Gdiplus::GpBitmap* bitmap) {
    UINT count = 0;
    if (Api().GdipImageGetFrameCount(bitmap, &kFrameDimensionTime, &count) != Gdiplus::Ok || count == 0) {
        count = 1;  // a still picture has no time dimension
    }
    std::vector<unsigned> delays(count, kDefaultFrameDelayMs);
    UINT size = 0;
    if (count < 2 || Api().GdipGetPropertyItemSize(bitmap, kPropertyTagFrameDelay, &size) != Gdiplus::Ok ||
        size < sizeof(Gdiplus::PropertyItem)) {
        return delays;
    }
    std::vector<unsigned char> buffer(size);
    auto* item = reinterpret_cast<Gdiplus::PropertyItem*>(buffer.data());
    if (Api().GdipGetPropertyItem(bitmap, kPropertyTagFrameDelay, size, item) != Gdiplus::Ok) {
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
    explicit Graphics(HDC dc) { Api().GdipCreateFromHDC(dc, &graphics_); }
    explicit Graphics(Gdiplus::GpImage* image) { Api().GdipGetImageGraphicsContext(image, &graphics_); }
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;
    ~Graphics() {
        if (graphics_ != nullptr) {
            Api().GdipDeleteGraphics(graphics_);
        }
    }
    // Stretches smoothly; the half-pixel offset keeps the right and bottom edges painted.
    bool DrawStretched(Gdiplus::GpImage* image, const RECT& bounds) {
        if (graphics_ == nullptr) {
            return false;
        }
        Api().GdipSetInterpolationMode(graphics_, Gdiplus::InterpolationModeHighQualityBicubic);
        Api().GdipSetPixelOffsetMode(graphics_, Gdiplus::PixelOffsetModeHalf);
        return Api().GdipDrawImageRectI(graphics_, image, bounds.left, bounds.top, bounds.right - bounds.left,
                                        bounds.bottom - bounds.top) == Gdiplus::Ok;
    }

  private:
    Gdiplus::GpGraphics* graphics_ = nullptr;
};

}  // namespace

int EmbeddedImage::Width() const {
    UINT width = 0;
    Api().GdipGetImageWidth(image_->bitmap, &width);
    return static_cast<int>(width);
}

int EmbeddedImage::Height() const {
    UINT height = 0;
    Api().GdipGetImageHeight(image_->bitmap, &height);
    return static_cast<int>(height);
}

std::unique_ptr<EmbeddedImage> EmbeddedImage::Load(std::string_view resourceName) {
    auto session = GdiplusSession::Acquire();
    if (!session) {
        return nullptr;
    }
    auto decoded = std::make_unique<DecodedImage>();
    decoded->stream = ResourceStream(resourceName);
    if (decoded->stream == nullptr ||
        Api().GdipCreateBitmapFromStream(decoded->stream, &decoded->bitmap) != Gdiplus::Ok ||
        decoded->bitmap == nullptr) {
        return nullptr;
    }
    std::unique_ptr<EmbeddedImage> image(new EmbeddedImage());
    image->delaysMs_ = FrameDelays(decoded->bitmap);
    image->image_ = std::move(decoded);
    image->session_ = std::move(session);  // outlives the bitmap: members go in reverse order
    return image;
}

namespace {

// Pictures are decoration: a window shows without them rather than not at all. Why one is missing
// goes to the debugger's output.
std::unique_ptr<EmbeddedImage> LoadOrExplain(std::string_view resourceName) {
    try {
        return EmbeddedImage::Load(resourceName);
    } catch (const MissingSystemPart& missing) {
        OutputDebugStringW(Widen(missing.what()).c_str());
        return nullptr;
    }
}

}  // namespace

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
    if (Api().GdipImageSelectActiveFrame(image_->bitmap, &kFrameDimensionTime, static_cast<UINT>(frame)) ==
        Gdiplus::Ok) {
        frame_ = frame;
    }
}

void EmbeddedImage::Draw(HDC dc, const RECT& bounds) const {
    Graphics graphics(dc);
    graphics.DrawStretched(image_->bitmap, bounds);
}

UniqueBitmap EmbeddedImage::RenderBitmap(int width, int height, COLORREF background) const {
    Gdiplus::GpBitmap* canvas = nullptr;
    if (Api().GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppARGB, nullptr, &canvas) != Gdiplus::Ok) {
        return {};
    }
    const Gdiplus::ARGB opaque =
        0xFF000000u | (GetRValue(background) << 16) | (GetGValue(background) << 8) | GetBValue(background);
    HBITMAP bitmap = nullptr;
    {
        Graphics graphics(canvas);
        if (graphics.DrawStretched(image_->bitmap, {0, 0, width, height})) {
            Api().GdipCreateHBITMAPFromBitmap(canvas, &bitmap, opaque);
        }
    }
    Api().GdipDisposeImage(canvas);
    return UniqueBitmap(bitmap);
}

PictureView::PictureView(HWND control, std::string_view resourceName)
    : window_(control), image_(LoadOrExplain(resourceName)) {
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
    const auto image = LoadOrExplain(resourceName);
    if (!image) {
        return {};
    }
    // A picture twice as wide as it is tall holds the normal glyph and the disabled one beside it.
    const int glyphs = image->Width() >= 2 * image->Height() ? 2 : 1;
    // Laid on the button face: the image list then needs no alpha channel of its own.
    UniqueBitmap bitmap = image->RenderBitmap(size * glyphs, size, GetSysColor(COLOR_BTNFACE));
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
