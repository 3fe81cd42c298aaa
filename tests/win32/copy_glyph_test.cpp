#include <windows.h>
// commctrl.h needs the types of windows.h first.
#include <commctrl.h>

#include <gtest/gtest.h>

#include <vector>

#include "test_support.h"
#include "timetable/time_table_win.h"

namespace orvanta::testing {
namespace {

std::vector<COLORREF> Pixels(HIMAGELIST list, int index) {
    int width = 0;
    int height = 0;
    ImageList_GetIconSize(list, &width, &height);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    ImageList_Draw(list, index, memory, 0, 0, ILD_NORMAL);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels.push_back(GetPixel(memory, x, y));
        }
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

using CopyGlyphTest = AppTest;

// One image a button state: the clipboard in colour, in greys while disabled.
TEST_F(CopyGlyphTest, TheCopyButtonCarriesTheClipboardWithItsOwnDisabledImage) {
    StartApp();
    const HWND copy = app_->TimeTable().Component("Copy_Time_Table_to_Clipboard_Button").Handle();
    BUTTON_IMAGELIST glyph{};
    ASSERT_TRUE(SendMessageW(copy, BCM_GETIMAGELIST, 0, reinterpret_cast<LPARAM>(&glyph)));
    ASSERT_NE(glyph.himl, nullptr);
    ASSERT_EQ(ImageList_GetImageCount(glyph.himl), 6);
    const auto normal = Pixels(glyph.himl, 0);
    EXPECT_EQ(Pixels(glyph.himl, 1), normal) << "hot";
    EXPECT_NE(Pixels(glyph.himl, 3), normal) << "disabled";
}

}  // namespace
}  // namespace orvanta::testing
