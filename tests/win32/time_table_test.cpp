#include <windows.h>
// commctrl.h needs the types of windows.h first.
#include <commctrl.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "app/main_form_win.h"
#include "settings/options_setup_win.h"
#include "test_support.h"
#include "timetable/time_table.h"
#include "timetable/time_table_win.h"
#include "toolkit/handles.h"
#include "toolkit/win_text.h"

namespace orvanta::testing {
namespace {

constexpr const char* kMenuEntry = "Generate_Time_Comparison_Table_Option";
constexpr const char* kPopupEntry = "Generate_Time_Comparison_Table_PopupOption";

// Puts text on the clipboard the way any other program would, so that a copy that does nothing
// cannot pass for one that worked.
void PutOnClipboard(HWND owner, const std::wstring& text) {
    const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    ASSERT_NE(memory, nullptr);
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    const bool stored = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
    if (!stored) {
        GlobalFree(memory);
    }
    ASSERT_TRUE(stored);
}

// The clipboard's Unicode text as Windows holds it; a marker when it cannot be read.
std::wstring ClipboardUnicodeText() {
    if (!OpenClipboard(nullptr)) {
        return L"<clipboard not available>";
    }
    std::wstring text = L"<no Unicode text>";
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

// Another program holding the clipboard open. The clipboard is held by a thread, so a thread of
// our own stands in for the other program. It lets go after holdMs, or when it is destroyed.
// Wine's clipboard calls may wait on messages to this thread's windows (the clipboard's owner),
// so this thread keeps handling messages while the holder takes and releases it.
class ClipboardHolder {
  public:
    explicit ClipboardHolder(DWORD holdMs = 10000) : release_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
        thread_ = std::thread([this, holdMs] {
            held_ = OpenClipboard(nullptr) != FALSE;
            opened_ = true;
            WaitForSingleObject(release_, holdMs);
            if (held_) {
                CloseClipboard();
            }
            done_ = true;
        });
        PumpUntil([this] { return opened_.load(); });
    }
    ClipboardHolder(const ClipboardHolder&) = delete;
    ClipboardHolder& operator=(const ClipboardHolder&) = delete;
    ~ClipboardHolder() {
        SetEvent(release_);
        PumpUntil([this] { return done_.load(); });
        thread_.join();
        CloseHandle(release_);
    }
    bool Held() const { return held_; }

  private:
    HANDLE release_;
    std::atomic<bool> held_ = false;
    std::atomic<bool> opened_ = false;
    std::atomic<bool> done_ = false;
    std::thread thread_;
};

class TimeTableTest : public AppTest {
  protected:
    TTime_Table& Table() { return app_->TimeTable(); }
    toolkit::Control& Grid() { return Table().Component("Time_Comparison_StringGrid"); }
    toolkit::Control& List(int number) {
        return Table().Component(number == 1 ? "Time_Zone_1_ListBox" : "Time_Zone_2_ListBox");
    }

    // Opens the table with the main window's menu command, runs `whileOpen` inside its modal loop,
    // then presses OK unless `whileOpen` closed it. False when the table never opened.
    bool OpenTable(const std::function<void()>& whileOpen, const char* menuEntry = kMenuEntry) {
        const HWND main = app_->MainForm().Handle();
        const UINT command = app_->MainForm().MenuEntry(menuEntry).CommandId();
        return RunModal([&] { SendMessageW(main, WM_COMMAND, command, 0); }, [&] { return Table().Showing(); },
                        [&] {
                            whileOpen();
                            if (Table().Showing()) {
                                Press("OKBtn");
                            }
                        });
    }

    void Press(const char* button) { SendMessageW(Table().Component(button).Handle(), BM_CLICK, 0, 0); }

    // Selects an item as a click would, and tells the form the way the list box does.
    void Select(int list, int index) {
        const HWND box = List(list).Handle();
        SendMessageW(box, LB_SETCURSEL, index, 0);
        SendMessageW(Table().Handle(), WM_COMMAND, MAKEWPARAM(List(list).ControlId(), LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(box));
    }

    // A real left click in the middle of an item.
    void ClickItem(int list, int index) {
        const HWND box = List(list).Handle();
        RECT item{};
        ASSERT_NE(SendMessageW(box, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item)), LB_ERR);
        const LPARAM where = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
        SendMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, where);
        SendMessageW(box, WM_LBUTTONUP, 0, where);
    }

    void PressKey(int list, WPARAM key) {
        List(list).SetFocus();
        SendMessageW(List(list).Handle(), WM_KEYDOWN, key, 1);
        SendMessageW(List(list).Handle(), WM_KEYUP, key, 0xC0000001);
    }

    // The grid as the user sees it, in the shape of the computed table.
    TimeTable GridContents() {
        TimeTable table;
        for (int row = 0; row < kTimeTableRows; ++row) {
            for (int column = 0; column < kTimeTableColumns; ++column) {
                table[row][column] = Grid().Cell(column, row);
            }
        }
        return table;
    }

    // Every cell, header row included, is the table of these two entries: nothing left over from an
    // earlier choice, no row or column shifted.
    void ExpectGridComparing(const std::string& entry1, const std::string& entry2) {
        EXPECT_EQ(Grid().RowCount(), kTimeTableRows);
        EXPECT_EQ(GridContents(), orvanta::Build_Time_Table(Place::FromEntry(entry1), Place::FromEntry(entry2))) << entry1 << " vs " << entry2;
    }

    std::vector<std::string> ErrorsShown() const {
        std::vector<std::string> texts;
        for (const auto& shown : dialogs_.shown) {
            if (shown.kind == MessageKind::Error) {
                texts.push_back(shown.text);
            }
        }
        return texts;
    }
};

TEST_F(TimeTableTest, BothMenuCommandsShowItModallyCentredWithOkFocused) {
    StartApp();
    const HWND main = app_->MainForm().Handle();
    bool firstOpening = true;
    for (const char* entry : {kMenuEntry, kPopupEntry}) {
        SCOPED_TRACE(entry);
        const bool opened = OpenTable(
            [&] {
                EXPECT_FALSE(IsWindowEnabled(main)) << "the main window stays usable behind a modal window";
                if (!firstOpening) {
                    return;
                }
                firstOpening = false;
                EXPECT_EQ(Table().Caption(), "Time Comparison Table :");
                EXPECT_EQ(Table().ClientSize().cx, Table().Scale(378));
                EXPECT_EQ(Table().ClientSize().cy, Table().Scale(404));
                MONITORINFO monitor{};
                monitor.cbSize = sizeof(monitor);
                GetMonitorInfoW(MonitorFromWindow(Table().Handle(), MONITOR_DEFAULTTOPRIMARY), &monitor);
                const RECT bounds = Table().WindowBounds();
                EXPECT_LE(std::abs((bounds.left + bounds.right) - (monitor.rcWork.left + monitor.rcWork.right)), 1);
                EXPECT_LE(std::abs((bounds.top + bounds.bottom) - (monitor.rcWork.top + monitor.rcWork.bottom)), 1);
                EXPECT_EQ(GetFocus(), Table().Component("OKBtn").Handle());
                // The two columns fill the grid beside its scroll bar: no empty stub of header.
                const HWND grid = Grid().Handle();
                RECT client{};
                GetClientRect(grid, &client);
                EXPECT_EQ(ListView_GetColumnWidth(grid, 0) + ListView_GetColumnWidth(grid, 1), client.right);
                EXPECT_LE(std::abs(ListView_GetColumnWidth(grid, 0) - ListView_GetColumnWidth(grid, 1)), 1);
            },
            entry);
        ASSERT_TRUE(opened);
        EXPECT_FALSE(Table().Showing());
        EXPECT_TRUE(IsWindowEnabled(main));
    }
    EXPECT_TRUE(dialogs_.shown.empty());
}

TEST_F(TimeTableTest, ListsOfferTheCurrentLocationThenTheStoreAndTheGridComparesTheFirstTwo) {
    StartApp();
    AddEntry("Tokyo:9.0");
    AddEntry("Kabul:4.5");
    ASSERT_TRUE(OpenTable([&] {
        const std::vector<std::string> entries{"Here :0", "Tokyo:9.0", "Kabul:4.5"};
        for (int list : {1, 2}) {
            EXPECT_EQ(List(list).Items(), entries) << "list " << list;
            EXPECT_EQ(List(list).ItemIndex(), -1) << "list " << list;
        }
        EXPECT_EQ(Table().Location1().Description(), "Here ");
        EXPECT_EQ(Table().Location2().Entry(), "Tokyo:9.0");
        EXPECT_EQ(Grid().Cell(0, 0), "Here ");
        EXPECT_EQ(Grid().Cell(1, 0), "Tokyo");
        struct Row {
            int row;
            const char* here;
            const char* tokyo;
        };
        for (const Row& row : {Row{1, " 1:00 AM", "10:00 AM"}, Row{3, " 3:00 AM", "12:00 PM"},
                               Row{15, " 3:00 PM", "12:00 AM"}, Row{24, "12:00 AM", " 9:00 AM"}}) {
            EXPECT_EQ(Grid().Cell(0, row.row), row.here) << "row " << row.row;
            EXPECT_EQ(Grid().Cell(1, row.row), row.tokyo) << "row " << row.row;
        }
        ExpectGridComparing("Here :0", "Tokyo:9.0");
    }));
    EXPECT_TRUE(dialogs_.shown.empty());
}

TEST_F(TimeTableTest, ChoosingAnEntryInEitherListByClickOrKeyRebuildsTheGrid) {
    StartApp();
    AddEntry("Tokyo:9.0");
    AddEntry("Kabul:4.5");
    ASSERT_TRUE(OpenTable([&] {
        ClickItem(1, 1);
        EXPECT_EQ(List(1).ItemIndex(), 1);
        EXPECT_EQ(Table().Location1().Entry(), "Tokyo:9.0");
        EXPECT_EQ(Grid().Cell(0, 0), "Tokyo");
        EXPECT_EQ(Grid().Cell(1, 1), " 1:00 AM");
        ExpectGridComparing("Tokyo:9.0", "Tokyo:9.0");

        PressKey(1, VK_DOWN);
        EXPECT_EQ(List(1).ItemIndex(), 2);
        EXPECT_EQ(Table().Location1().Entry(), "Kabul:4.5");
        EXPECT_EQ(Grid().Cell(1, 1), " 5:30 AM");
        ExpectGridComparing("Kabul:4.5", "Tokyo:9.0");

        ClickItem(2, 0);
        EXPECT_EQ(List(2).ItemIndex(), 0);
        EXPECT_EQ(Table().Location2().Description(), "Here ");
        EXPECT_EQ(Grid().Cell(1, 0), "Here ");
        EXPECT_EQ(Grid().Cell(1, 1), " 8:30 PM");
        ExpectGridComparing("Kabul:4.5", "Here :0");
        EXPECT_EQ(List(1).ItemIndex(), 2) << "the lists choose independently";
    }));
    EXPECT_TRUE(dialogs_.shown.empty());
}

TEST_F(TimeTableTest, CopyPutsTheWholeGridOnTheClipboardAsUnicodeLines) {
    StartApp();
    AddEntry("Tōkyō:9.0");
    PutOnClipboard(app_->MainForm().Handle(), L"left over");
    ASSERT_TRUE(OpenTable([&] {
        EXPECT_FALSE(Table().Component("Copied_Label").Visible());
        Press("Copy_Time_Table_to_Clipboard_Button");
        // A word that it worked, until the grid shows something else.
        EXPECT_TRUE(IsWindowVisible(Table().Component("Copied_Label").Handle()));
        Select(2, 0);
        EXPECT_FALSE(Table().Component("Copied_Label").Visible());
    }));
    EXPECT_TRUE(dialogs_.shown.empty());

    const std::wstring copied = ClipboardUnicodeText();
    EXPECT_EQ(copied.rfind(L"Here \tT\u014Dky\u014D\r\n 1:00 AM\t10:00 AM\r\n", 0), 0u) << toolkit::Narrow(copied);
    std::wstring expected;
    for (const auto& row : orvanta::Build_Time_Table(Place::FromEntry("Here :0"), Place::FromEntry("Tōkyō:9.0"))) {
        expected += toolkit::Widen(row[0]) + L"\t" + toolkit::Widen(row[1]) + L"\r\n";
    }
    EXPECT_EQ(copied, expected);
}

TEST_F(TimeTableTest, AClipboardHeldByAnotherProgramIsWaitedForBrieflyThenReported) {
    StartApp();
    AddEntry("Tokyo:9.0");
    PutOnClipboard(app_->MainForm().Handle(), L"left over");
    ASSERT_TRUE(OpenTable([&] {
        {
            ClipboardHolder holder;
            ASSERT_TRUE(holder.Held());
            Press("Copy_Time_Table_to_Clipboard_Button");
            EXPECT_EQ(ErrorsShown(), std::vector<std::string>{kClipboardBusyMessage});
            EXPECT_FALSE(Table().Component("Copied_Label").Visible());
        }
        EXPECT_EQ(ClipboardUnicodeText(), L"left over");

        // Let go while the copy is still trying: the copy gets through and nobody is bothered.
        {
            ClipboardHolder holder(40);
            ASSERT_TRUE(holder.Held());
            Press("Copy_Time_Table_to_Clipboard_Button");
        }
        EXPECT_EQ(ErrorsShown().size(), 1u);
        EXPECT_EQ(ClipboardUnicodeText().rfind(L"Here \tTokyo\r\n", 0), 0u);
    }));
}

// One's own place is the local clock whatever its caption; another place's unreadable offset is
// reported, and the grid keeps what it showed.
TEST_F(TimeTableTest, TheCurrentLocationNeedsNoOffsetButAnUnreadableOneIsReported) {
    StartApp();
    AddEntry("Tokyo:9.0");
    AddEntry("Odd:abc");
    app_->Model().SetCurrentLocationCaption("London");
    ASSERT_TRUE(OpenTable([&] {
        EXPECT_EQ(List(1).Item(0), "London0");
        EXPECT_TRUE(ErrorsShown().empty());
        EXPECT_EQ(Grid().Cell(0, 0), "London0");
        EXPECT_EQ(Grid().Cell(1, 1), "10:00 AM");
        const TimeTable before = GridContents();

        Select(2, 2);
        EXPECT_EQ(ErrorsShown(), std::vector<std::string>{"'abc' is not a valid floating point value"});
        EXPECT_EQ(GridContents(), before);
        EXPECT_TRUE(Table().Showing()) << "an error leaves the window open";
    }));
}

TEST_F(TimeTableTest, ReopeningRefillsTheListsAndStartsFromTheDefaultChoice) {
    StartApp();
    ASSERT_TRUE(OpenTable([&] {
        // Nothing stored: both locations are the current one.
        EXPECT_EQ(List(1).Items(), std::vector<std::string>{"Here :0"});
        EXPECT_EQ(List(2).Items(), std::vector<std::string>{"Here :0"});
        ExpectGridComparing("Here :0", "Here :0");
        EXPECT_EQ(Grid().Cell(1, 7), " 7:00 AM");
    }));

    AddEntry("Tokyo:9.0");
    ASSERT_TRUE(OpenTable([&] {
        ASSERT_EQ(List(1).ItemCount(), 2);
        Select(1, 1);
        Select(2, 0);
        ExpectGridComparing("Tokyo:9.0", "Here :0");
    }));

    AddEntry("Lima:-5.0");
    ASSERT_TRUE(OpenTable([&] {
        const std::vector<std::string> entries{"Here :0", "Tokyo:9.0", "Lima:-5.0"};
        EXPECT_EQ(List(1).Items(), entries);
        EXPECT_EQ(List(2).Items(), entries);
        EXPECT_EQ(List(1).ItemIndex(), -1);
        EXPECT_EQ(List(2).ItemIndex(), -1);
        ExpectGridComparing("Here :0", "Tokyo:9.0");
    }));
    EXPECT_TRUE(dialogs_.shown.empty());
}

std::vector<COLORREF> Pixels(HIMAGELIST list, int index) {
    int width = 0;
    int height = 0;
    ImageList_GetIconSize(list, &width, &height);
    toolkit::WindowDc screen(nullptr);
    const toolkit::UniqueMemoryDc memory(CreateCompatibleDC(screen.Get()));
    const toolkit::UniqueBitmap bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
    const toolkit::SelectedObject selected(memory.Get(), bitmap.Get());
    ImageList_Draw(list, index, memory.Get(), 0, 0, ILD_NORMAL);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels.push_back(GetPixel(memory.Get(), x, y));
        }
    }
    return pixels;
}

// One image a button state: the clipboard in colour, in greys while disabled.
TEST_F(TimeTableTest, TheCopyButtonCarriesTheClipboardWithItsOwnDisabledImage) {
    StartApp();
    const HWND copy = app_->TimeTable().Component("Copy_Time_Table_to_Clipboard_Button").Handle();
    BUTTON_IMAGELIST glyph{};
    ASSERT_TRUE(SendMessageW(copy, BCM_GETIMAGELIST, 0, reinterpret_cast<LPARAM>(&glyph)));
    ASSERT_EQ(ImageList_GetImageCount(glyph.himl), 6);
    const auto normal = Pixels(glyph.himl, 0);
    EXPECT_EQ(Pixels(glyph.himl, 1), normal) << "hot";
    EXPECT_NE(Pixels(glyph.himl, 3), normal) << "disabled";
}

}  // namespace
}  // namespace orvanta::testing
