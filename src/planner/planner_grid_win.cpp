// The planner's grid: its columns and the texts its cells give, their widths, the tooltips, and the
// drawing of the cells in the colours and the type of their class.

#include <algorithm>
#include <array>
#include <vector>

#include "planner/planner_rules.h"
#include "planner/planner_win.h"
#include "toolkit/colors.h"
#include "toolkit/win_text.h"

namespace orvanta {

namespace {

constexpr int kColumnPadding = 14;
constexpr int kMinColumnWidth = 56;
constexpr int kCellIndent = 6;
constexpr int kMeasuredCells = 3;

}  // namespace

void TPlanner::MakeCellTips() {
    cellTips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = Handle();
    tool.uId = reinterpret_cast<UINT_PTR>(Plan_Grid->Handle());
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(cellTips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    // Several lines: the date and time there, the class, a change of clock.
    SendMessageW(cellTips_, TTM_SETMAXTIPWIDTH, 0, Scale(kTipWidth));
}

void TPlanner::FillGrid() {
    const HWND grid = Plan_Grid->Handle();
    // A grid keeps its first column; with no place at all it stays, empty.
    const int wanted = std::max<int>(1, static_cast<int>(plan_.columns.size()));
    const bool reshaped = gridColumns_ != wanted;
    if (reshaped) {
        SendMessageW(grid, WM_SETREDRAW, FALSE, 0);
    }
    const std::vector<int> widths = ColumnWidths();
    const auto headerOf = [this](int column) {
        return column < static_cast<int>(plan_.columns.size()) ? plan_.columns[column].header : std::string();
    };
    headers_.resize(static_cast<std::size_t>(wanted));
    // A new column comes with its header and its width: under Wine each setting of either lays the
    // whole grid out again.
    for (; gridColumns_ < wanted; ++gridColumns_) {
        headers_[gridColumns_] = headerOf(gridColumns_);
        std::wstring text = toolkit::Widen(headers_[gridColumns_]);
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = text.data();
        column.cx = gridColumns_ < static_cast<int>(widths.size()) ? widths[gridColumns_] : 0;
        SendMessageW(grid, LVM_INSERTCOLUMNW, gridColumns_, reinterpret_cast<LPARAM>(&column));
    }
    for (; gridColumns_ > wanted; --gridColumns_) {
        SendMessageW(grid, LVM_DELETECOLUMN, gridColumns_ - 1, 0);
    }
    textColumns_ = std::min(textColumns_, gridColumns_);
    if (textColumns_ == 0) {
        GiveCellTexts(1);
    }
    // A header is set only when its text changes: each setting redraws the header control.
    for (int column = 0; column < wanted; ++column) {
        if (const std::string header = headerOf(column); header != headers_[column]) {
            Plan_Grid->SetCell(column, 0, header);
            headers_[column] = header;
        }
    }
    ApplyColumnWidths(widths);
    if (reshaped) {
        SendMessageW(grid, WM_SETREDRAW, TRUE, 0);
    }
    InvalidateRect(grid, nullptr, FALSE);
}

// The cells of the first `columns` columns ask the plan for their text whenever it is read, by a
// screen reader too, so that a new day sets none.
void TPlanner::GiveCellTexts(int columns) {
    for (; textColumns_ < std::min(columns, gridColumns_); ++textColumns_) {
        for (int row = 0; row < kPlanHours; ++row) {
            LVITEMW item{};
            item.iSubItem = textColumns_;
            item.pszText = LPSTR_TEXTCALLBACKW;
            SendMessageW(Plan_Grid->Handle(), LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
        }
    }
}

// Each column as wide as its widest text in the cue fonts, the bold one included.
std::vector<int> TPlanner::ColumnWidths() {
    MakeCueFonts();
    const HDC dc = MeasuringDc();
    const HGDIOBJ previous = SelectObject(dc, boldFont_.Get());
    const auto widthOf = [dc](const std::string& text) {
        const std::wstring wide = toolkit::Widen(text);
        SIZE size{};
        GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
        return static_cast<int>(size.cx);
    };
    std::vector<int> widths;
    int total = 0;
    for (std::size_t column = 0; column < plan_.columns.size(); ++column) {
        // The widest cells are among the longest texts: a few of those are measured, not all 24.
        std::array<const std::string*, kPlanHours> texts{};
        for (int row = 0; row < kPlanHours; ++row) {
            texts[row] = &plan_.rows[row][column].text;
        }
        std::partial_sort(texts.begin(), texts.begin() + kMeasuredCells, texts.end(),
                          [](const std::string* a, const std::string* b) { return a->size() > b->size(); });
        int width = widthOf(plan_.columns[column].header);
        for (int i = 0; i < kMeasuredCells; ++i) {
            width = std::max(width, widthOf(*texts[i]));
        }
        widths.push_back(std::max(width + Scale(kColumnPadding), Scale(kMinColumnWidth)));
        total += widths.back();
    }
    SelectObject(dc, previous);
    // Few places share out the width the grid has; many scroll sideways.
    RECT client{};
    GetClientRect(Plan_Grid->Handle(), &client);
    const int spare = widths.empty() ? 0 : std::max(0, static_cast<int>(client.right) - total);
    for (std::size_t column = 0; column < widths.size(); ++column) {
        widths[column] += spare / static_cast<int>(widths.size()) +
                          (column + 1 == widths.size() ? spare % static_cast<int>(widths.size()) : 0);
    }
    return widths;
}

void TPlanner::ApplyColumnWidths(const std::vector<int>& widths) {
    for (std::size_t column = 0; column < widths.size(); ++column) {
        if (SendMessageW(Plan_Grid->Handle(), LVM_GETCOLUMNWIDTH, column, 0) != widths[column]) {
            SendMessageW(Plan_Grid->Handle(), LVM_SETCOLUMNWIDTH, column, MAKELPARAM(widths[column], 0));
        }
    }
}

void TPlanner::MakeCueFonts() {
    const auto gridFont = reinterpret_cast<HFONT>(SendMessageW(Plan_Grid->Handle(), WM_GETFONT, 0, 0));
    if (gridFont == cueFontsOf_ && boldFont_) {
        return;
    }
    LOGFONTW face{};
    GetObjectW(gridFont != nullptr ? gridFont : GetStockObject(DEFAULT_GUI_FONT), sizeof(face), &face);
    face.lfWeight = FW_BOLD;
    boldFont_.Reset(CreateFontIndirectW(&face));
    face.lfWeight = FW_NORMAL;
    face.lfItalic = TRUE;
    italicFont_.Reset(CreateFontIndirectW(&face));
    cueFontsOf_ = gridFont;
}

int TPlanner::SelectedRow() const {
    return static_cast<int>(SendMessageW(Plan_Grid->Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void TPlanner::SelectRow(int row) {
    if (row < 0 || row >= kPlanHours) {
        return;
    }
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(Plan_Grid->Handle(), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
    SendMessageW(Plan_Grid->Handle(), LVM_ENSUREVISIBLE, row, FALSE);
}

void TPlanner::ShowRowNote() {
    const int row = SelectedRow();
    Note_Label->SetText(row >= 0 ? RowChangeNote(plan_, row, formats_) : "");
}

// The cells in the colours and the type of their class, drawn here rather than by the list view:
// Wine's list view keeps its own font whatever a custom draw selects, and drawing every cell of
// one font in turn costs a fraction of what the list view's drawing of each cell does.
void TPlanner::DrawGrid(HDC dc, const RECT& client) {
    const HWND grid = Plan_Grid->Handle();
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
    const int first = static_cast<int>(SendMessageW(grid, LVM_GETTOPINDEX, 0, 0));
    if (plan_.columns.empty() || first < 0) {
        return;
    }
    MakeCueFonts();
    RECT firstRow{};
    firstRow.left = LVIR_BOUNDS;
    SendMessageW(grid, LVM_GETITEMRECT, first, reinterpret_cast<LPARAM>(&firstRow));
    const int rowHeight = std::max(1, static_cast<int>(firstRow.bottom - firstRow.top));
    std::vector<int> edges{firstRow.left};
    for (std::size_t column = 0; column < plan_.columns.size(); ++column) {
        edges.push_back(edges.back() + static_cast<int>(SendMessageW(grid, LVM_GETCOLUMNWIDTH, column, 0)));
    }
    const int last = std::min<int>(kPlanHours, first + (client.bottom - firstRow.top) / rowHeight + 1);
    const int selected = SelectedRow();
    const auto cellRect = [&](int row, std::size_t column) {
        const int top = firstRow.top + (row - first) * rowHeight;
        // A pixel short of the next cell on each side, where the grid lines go.
        return RECT{edges[column], top, edges[column + 1] - 1, top + rowHeight - 1};
    };
    const auto lookOf = [&](int row, std::size_t column) {
        return CellLookOf(plan_.rows[row][column].hourClass, Look() == LookMode::HighContrast);
    };

    // Backgrounds in runs of one colour down each column, the grid lines over them, then the texts of
    // each font in turn: a font is chosen three times, not once a cell.
    const auto backOf = [&](int row, std::size_t column) {
        return row == selected ? GetSysColor(COLOR_HIGHLIGHT)
                               : toolkit::ToColorRef(lookOf(row, column).back, GetSysColor(COLOR_WINDOW));
    };
    for (std::size_t column = 0; column < plan_.columns.size(); ++column) {
        for (int row = first; row < last;) {
            const COLORREF back = backOf(row, column);
            RECT run = cellRect(row, column);
            while (++row < last && backOf(row, column) == back) {
            }
            run.bottom = cellRect(row - 1, column).bottom + 1;
            SetBkColor(dc, back);
            ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &run, nullptr, 0, nullptr);
        }
    }
    const HBRUSH line = GetSysColorBrush(COLOR_WINDOW);
    for (int row = first; row < last; ++row) {
        const RECT below{edges.front(), cellRect(row, 0).bottom, edges.back(), cellRect(row, 0).bottom + 1};
        FillRect(dc, &below, line);
    }
    for (std::size_t column = 1; column <= plan_.columns.size(); ++column) {
        const RECT beside{edges[column] - 1, client.top, edges[column], cellRect(last - 1, 0).bottom + 1};
        FillRect(dc, &beside, line);
    }
    SetBkMode(dc, TRANSPARENT);
    const HGDIOBJ previous = SelectObject(dc, cueFontsOf_);
    for (const HFONT font : {cueFontsOf_, boldFont_.Get(), italicFont_.Get()}) {
        SelectObject(dc, font);
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        for (int row = first; row < last; ++row) {
            for (std::size_t column = 0; column < plan_.columns.size(); ++column) {
                const CellLook look = lookOf(row, column);
                if ((look.bold ? boldFont_.Get() : look.italic ? italicFont_.Get() : cueFontsOf_) != font) {
                    continue;
                }
                const RECT cell = cellRect(row, column);
                SetTextColor(dc, row == selected ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                                                 : toolkit::ToColorRef(look.text, GetSysColor(COLOR_WINDOWTEXT)));
                const std::wstring& text = wideTexts_[static_cast<std::size_t>(row) * plan_.columns.size() + column];
                ExtTextOutW(dc, cell.left + Scale(kCellIndent), cell.top + (rowHeight - metrics.tmHeight) / 2,
                            ETO_CLIPPED, &cell, text.c_str(), static_cast<UINT>(text.size()), nullptr);
            }
        }
    }
    SelectObject(dc, previous);

    // The present hour: a double frame, dark outside and light inside, seen on every class.
    if (plan_.presentRow && *plan_.presentRow >= first && *plan_.presentRow < last) {
        RECT frame = cellRect(*plan_.presentRow, 0);
        frame.right = edges.back();
        for (const int color : {COLOR_WINDOWTEXT, COLOR_WINDOWTEXT, COLOR_WINDOW}) {
            FrameRect(dc, &frame, GetSysColorBrush(color));
            InflateRect(&frame, -1, -1);
        }
    }
}

std::pair<int, int> TPlanner::CellUnderCursor() const {
    LVHITTESTINFO hit{};
    GetCursorPos(&hit.pt);
    ScreenToClient(Plan_Grid->Handle(), &hit.pt);
    if (SendMessageW(Plan_Grid->Handle(), LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)) < 0 || hit.iItem < 0 ||
        hit.iItem >= kPlanHours) {
        return {-1, -1};
    }
    return {hit.iItem, hit.iSubItem};
}

// The grid is drawn into memory and then onto the screen at once: under Wine each of its cells
// drawn straight onto a window is a round trip to the display. The list view only lays out,
// scrolls, chooses and tells screen readers; its background is never erased.
void TPlanner::PaintBuffered(HWND grid) {
    PAINTSTRUCT paint{};
    const HDC screen = BeginPaint(grid, &paint);
    RECT client{};
    GetClientRect(grid, &client);
    if (client.right > 0 && client.bottom > 0) {
        const toolkit::UniqueMemoryDc memory(CreateCompatibleDC(screen));
        const toolkit::UniqueBitmap bitmap(CreateCompatibleBitmap(screen, client.right, client.bottom));
        const HGDIOBJ previous = SelectObject(memory.Get(), bitmap.Get());
        DrawGrid(memory.Get(), client);
        BitBlt(screen, paint.rcPaint.left, paint.rcPaint.top, paint.rcPaint.right - paint.rcPaint.left,
               paint.rcPaint.bottom - paint.rcPaint.top, memory.Get(), paint.rcPaint.left, paint.rcPaint.top, SRCCOPY);
        SelectObject(memory.Get(), previous);
    }
    EndPaint(grid, &paint);
    // The other columns' texts once the grid is on the screen: it is drawn from the plan, and each
    // cell's setting costs a tenth of a millisecond under Wine.
    if (textColumns_ < gridColumns_) {
        PostMessageW(Handle(), kCellTextsMessage, 0, 0);
    }
}

// Page Up and Page Down in the grid turn the day; the pointer moving to another cell brings that
// cell's tooltip.
LRESULT CALLBACK
TPlanner::GridProc(HWND grid, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR planner) {
    auto& self = *reinterpret_cast<TPlanner*>(planner);
    if (message == WM_KEYDOWN && (wParam == VK_PRIOR || wParam == VK_NEXT)) {
        // As the buttons do, so that an error is reported rather than thrown into Windows.
        self.RunHandler(wParam == VK_PRIOR ? "Previous_Day_ButtonClick" : "Next_Day_ButtonClick");
        return 0;
    }
    if (message == WM_PAINT) {
        self.PaintBuffered(grid);
        return 0;
    }
    if (message == WM_ERASEBKGND) {
        return 1;
    }
    if (message == WM_MOUSEMOVE) {
        const auto cell = self.CellUnderCursor();
        if (cell != self.tipCell_) {
            self.tipCell_ = cell;
            SendMessageW(self.cellTips_, TTM_UPDATE, 0, 0);
        }
    }
    return DefSubclassProc(grid, message, wParam, lParam);
}

}  // namespace orvanta
