/* The floor: the least code that does the visible work of Orvanta's main window with eleven rows
   and dates shown. Eleven rows of two STATIC labels in Common Controls 6, the eleven times filled
   before the window shows and refreshed by a 1 s timer. Built with the same compiler and flags as
   orvanta.exe, so that the benchmark's ratios measure our own code and nothing else. */
#include <windows.h>
/* commctrl.h needs the types of windows.h first. */
#include <commctrl.h>

/* The row-0 time label has orvanta.exe's id for it (the third component, 102): the probe reads it. */
enum { kRows = 11, kRow0TimeId = 102, kFirstTimeId = 200, kFirstNameId = 300 };

static int IsTimeLabel(int id) {
    return id == kRow0TimeId || (id > kFirstTimeId && id < kFirstTimeId + kRows);
}

static HWND timeLabels[kRows];

static void Refresh(void) {
    SYSTEMTIME now;
    wchar_t date[64], time[64], text[160];
    GetLocalTime(&now);
    GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &now, NULL, date, 64);
    GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &now, NULL, time, 64);
    wsprintfW(text, L" %s  %s ", date, time);
    for (int row = 0; row < kRows; ++row) {
        SetWindowTextW(timeLabels[row], text);
    }
}

static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            Refresh();
            return 0;
        case WM_CTLCOLORSTATIC:
            if (IsTimeLabel(GetDlgCtrlID((HWND)lParam))) {
                SetTextColor((HDC)wParam, RGB(255, 0, 0));
                SetBkColor((HDC)wParam, RGB(0, 0, 0));
                return (LRESULT)GetStockObject(BLACK_BRUSH);
            }
            break;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR commandLine, int show) {
    (void)previous;
    (void)commandLine;
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSW windowClass = {0};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(NULL, (LPCWSTR)IDC_ARROW);
    windowClass.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"OrvantaBenchFloor";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, L"OrvantaBenchFloor", L"Floor", WS_OVERLAPPEDWINDOW, 200, 200, 420, 400, NULL,
                                  NULL, instance, NULL);
    HFONT rowFont = CreateFontW(-15, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, L"Times New Roman");
    HFONT timeFont = CreateFontW(-24, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, L"Times New Roman");
    for (int row = 0; row < kRows; ++row) {
        HWND name = CreateWindowExW(0, L"STATIC", L"Place :", WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP, 8,
                                    8 + 32 * row, 90, 17, window, (HMENU)(INT_PTR)(kFirstNameId + row), instance, NULL);
        SendMessageW(name, WM_SETFONT, (WPARAM)rowFont, FALSE);
        timeLabels[row] =
            CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP, 104, 4 + 32 * row, 300, 26,
                            window, (HMENU)(INT_PTR)(row == 0 ? kRow0TimeId : kFirstTimeId + row), instance, NULL);
        SendMessageW(timeLabels[row], WM_SETFONT, (WPARAM)timeFont, FALSE);
    }
    Refresh();
    SetTimer(window, 1, 1000, NULL);
    ShowWindow(window, show);
    MSG message;
    while (GetMessageW(&message, NULL, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
