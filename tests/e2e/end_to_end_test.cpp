#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <optional>
#include <regex>
#include <string>

#include "driver.h"
#include "forms/main_form.h"

namespace orvanta::e2e {
namespace {

// The clock in the window and the one the test reads tick separately.
constexpr long long kClockToleranceSeconds = 3;
constexpr long long kSecondsPerDay = 24 * 60 * 60;

// A settings file of these lines under our section, with CRLF line ends.
std::string IniFile(std::initializer_list<std::string> lines) {
    std::string file = "[orvanta]\r\n";
    for (const std::string& line : lines) {
        file += line + "\r\n";
    }
    return file;
}

// What a first run leaves behind: every key in the program's own order, CRLF line ends, and the
// width the window took to show its first row whole.
std::string DefaultSettingsFile(HWND firstRun) {
    RECT client{};
    GetClientRect(firstRun, &client);
    EXPECT_GE(client.right, 240);
    return IniFile({"window_top_posn=200", "window_left_posn=200", "window_ClientWidth=" + std::to_string(client.right),
                    "window_ClientHeight=87", "current_location_caption=Here :", "num_other_locations=0",
                    "Menus_Off_CheckBox=0", "Title_Bar_Off_CheckBox=0", "Auto_Window_Height_Sizing_CheckBox=0",
                    "Auto_Window_Width_Sizing_CheckBox=0", "Show_Dates_and_Times_CheckBox=0",
                    "Hide_Current_Location_CheckBox=0", "Always_on_Top_Option=0",
                    "Auto_Run_at_Windows_Startup_Option=0"});
}

std::wstring LocaleText(LCTYPE item) {
    wchar_t text[64] = {};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, item, text, static_cast<int>(std::size(text)));
    return text;
}

// Reads a time label in the en-US form with the hour padded to two digits: " 08:57:37 AM ", or
// with dates " 12/8/2026,  08:57:37 AM ". Nothing when the text has any other form.
std::optional<SYSTEMTIME> ParseTimeLabel(const std::string& text, bool withDate) {
    static const std::regex timeOnly(R"(^ (\d\d):(\d\d):(\d\d) (AM|PM) $)");
    static const std::regex dated(R"(^ (\d{1,2})/(\d{1,2})/(\d{4}),  (\d\d):(\d\d):(\d\d) (AM|PM) $)");
    std::smatch match;
    if (!std::regex_match(text, match, withDate ? dated : timeOnly)) {
        return std::nullopt;
    }
    const std::size_t first = withDate ? 4 : 1;
    const int hour = std::stoi(match[first]);
    const int minute = std::stoi(match[first + 1]);
    const int second = std::stoi(match[first + 2]);
    if (hour < 1 || hour > 12 || minute > 59 || second > 59) {
        return std::nullopt;
    }
    SYSTEMTIME parts{};
    parts.wHour = static_cast<WORD>(hour % 12 + (match[first + 3] == "PM" ? 12 : 0));
    parts.wMinute = static_cast<WORD>(minute);
    parts.wSecond = static_cast<WORD>(second);
    if (withDate) {
        parts.wMonth = static_cast<WORD>(std::stoi(match[1]));
        parts.wDay = static_cast<WORD>(std::stoi(match[2]));
        parts.wYear = static_cast<WORD>(std::stoi(match[3]));
    }
    return parts;
}

long long SecondsOf(const SYSTEMTIME& parts) {
    FILETIME file{};
    if (!SystemTimeToFileTime(&parts, &file)) {
        return -1;
    }
    return static_cast<long long>((static_cast<unsigned long long>(file.dwHighDateTime) << 32) | file.dwLowDateTime) /
           10'000'000;
}

long long SecondsOfDay(const SYSTEMTIME& parts) {
    return parts.wHour * 3600LL + parts.wMinute * 60LL + parts.wSecond;
}

// How far a time label is from the local clock moved by `offsetHours`.
long long SecondsFromClock(const SYSTEMTIME& shown, bool withDate, double offsetHours) {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    now.wMilliseconds = 0;
    if (!withDate) {
        // Without a date, a label just before midnight may meet a clock just after it.
        const long long apart =
            ((SecondsOfDay(shown) - SecondsOfDay(now)) % kSecondsPerDay + kSecondsPerDay) % kSecondsPerDay;
        return std::min(apart, kSecondsPerDay - apart);
    }
    const long long expected = SecondsOf(now) + static_cast<long long>(offsetHours * 3600);
    return std::llabs(SecondsOf(shown) - expected);
}

constexpr const wchar_t* kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// Runs `reg query` on the machine-wide Run key for one value, as an administrator would look;
// its output, or nothing when reg.exe could not be started or found no such value.
std::optional<std::string> RegQueryRunValue(const std::wstring& folder, const std::wstring& name) {
    const std::wstring outputPath = folder + L"reg-query.txt";
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    const HANDLE output = CreateFileW(outputPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (output == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    std::wstring commandLine = L"reg.exe query \"HKLM\\" + std::wstring(kRunKey) + L"\" /v \"" + name + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = output;
    startup.hStdError = output;
    PROCESS_INFORMATION process{};
    const bool started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                                        folder.c_str(), &startup, &process);
    CloseHandle(output);
    if (!started) {
        return std::nullopt;
    }
    DWORD exitCode = 1;
    if (WaitForSingleObject(process.hProcess, kExitTimeoutMs) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process.hProcess, &exitCode);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (exitCode != 0) {
        return std::nullopt;
    }
    return testing::ReadFileBytes(outputPath);
}

// An entry of the program's file name in the machine-wide Run key for the length of a test.
class RunEntry {
  public:
    RunEntry(const std::wstring& name, const std::wstring& data) : name_(name) {
        const auto bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
        written_ =
            RegSetKeyValueW(HKEY_LOCAL_MACHINE, kRunKey, name.c_str(), REG_SZ, data.c_str(), bytes) == ERROR_SUCCESS;
    }
    RunEntry(const RunEntry&) = delete;
    RunEntry& operator=(const RunEntry&) = delete;
    ~RunEntry() { RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kRunKey, name_.c_str()); }
    bool Written() const { return written_; }

  private:
    std::wstring name_;
    bool written_ = false;
};

bool ComponentVisible(HWND main, const char* name) {
    return IsWindowVisible(GetDlgItem(main, forms::ControlIdOf(forms::MainForm1Description(), name))) != FALSE;
}

class EndToEndTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // The expected texts are those of the regional settings the test session fixes (en-US).
        ASSERT_EQ(LocaleText(LOCALE_STIMEFORMAT), L"h:mm:ss tt");
        ASSERT_EQ(LocaleText(LOCALE_SSHORTDATE), L"M/d/yyyy");
    }

    std::wstring IniPath() const { return folder_.WidePath() + L"orvanta.ini"; }

    testing::TempFolder folder_;
};

// How far a time label is ahead of universal time now, in seconds, within half a day either way.
long long SecondsAheadOfUniversal(const SYSTEMTIME& shown) {
    SYSTEMTIME now{};
    GetSystemTime(&now);
    const long long ahead =
        ((SecondsOfDay(shown) - SecondsOfDay(now)) % kSecondsPerDay + kSecondsPerDay) % kSecondsPerDay;
    return ahead >= kSecondsPerDay / 2 ? ahead - kSecondsPerDay : ahead;
}

// Run by tests/e2e/in-local-zone with the session's local zone set, once for New York and once for
// Berlin; ORVANTA_EXPECT_LOCAL_HOURS gives that zone's winter and summer hours ("-5,-4").
TEST(InLocalZone, APlaceFollowingTokyoShowsUniversalTimePlusNineHours) {
    const char* expected = std::getenv("ORVANTA_EXPECT_LOCAL_HOURS");
    if (expected == nullptr) {
        GTEST_SKIP() << "runs in a session with its own local zone";
    }
    testing::TempFolder folder;
    const std::wstring iniPath = folder.WidePath() + L"orvanta.ini";
    testing::WriteFileBytes(iniPath, IniFile({"num_other_locations=1", "other_location_caption_1=Tokyo:0.0",
                                              "other_location_zone_1=Tokyo Standard Time"}));
    RunningProgram program(folder.WidePath());
    ASSERT_TRUE(program.Started());
    const HWND main = program.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    const auto tokyo = ParseTimeLabel(program.MainWindowText("Other_Location_Time_1"), false);
    const auto here = ParseTimeLabel(program.MainWindowText("Other_Location_Time_0"), false);
    ASSERT_TRUE(tokyo && here);
    EXPECT_LE(std::llabs(SecondsAheadOfUniversal(*tokyo) - 9 * 3600), kClockToleranceSeconds);
    // The local clock really is the zone's, or the case would prove nothing.
    const long localHours = std::lround(static_cast<double>(SecondsAheadOfUniversal(*here)) / 3600.0);
    EXPECT_NE(("," + std::string(expected) + ",").find("," + std::to_string(localHours) + ","), std::string::npos)
        << localHours << " against " << expected;

    PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program.WaitForExit());
    const std::string written = testing::ReadFileBytes(iniPath);
    EXPECT_NE(written.find("other_location_caption_1=Tokyo:" + std::to_string(9 - localHours) + ".0\r\n"),
              std::string::npos)
        << written;
    EXPECT_NE(written.find("other_location_zone_1=Tokyo Standard Time\r\n"), std::string::npos) << written;
}

TEST_F(EndToEndTest, AFirstRunShowsTheLocalTimeAndLeavesTheDefaultSettingsFile) {
    RunningProgram program(folder_.WidePath());
    ASSERT_TRUE(program.Started());
    const HWND main = program.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(WindowText(main), "Orvanta v2.7f");
    EXPECT_EQ(program.MainWindowText("Other_Location_Label_0"), "Here :");
    const std::string time = program.MainWindowText("Other_Location_Time_0");
    const auto shown = ParseTimeLabel(time, false);
    ASSERT_TRUE(shown.has_value()) << '"' << time << '"';
    EXPECT_LE(SecondsFromClock(*shown, false, 0), kClockToleranceSeconds) << time;
    EXPECT_FALSE(ComponentVisible(main, "Other_Location_Label_1"));
    EXPECT_EQ(GetFileAttributesW(IniPath().c_str()), INVALID_FILE_ATTRIBUTES) << "nothing is written before a close";

    const std::string expected = DefaultSettingsFile(main);
    PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program.WaitForExit());
    EXPECT_EQ(program.ExitCode(), 0u);
    EXPECT_EQ(testing::ReadFileBytes(IniPath()), expected);
}

TEST_F(EndToEndTest, APreparedFileGivesRowsDatesAndPlaceAndIsWrittenBackUnchanged) {
    // Written as the program writes it, so that an unchanged run leaves the very same bytes.
    const std::string prepared =
        IniFile({"window_top_posn=150", "window_left_posn=120", "window_ClientWidth=300", "window_ClientHeight=140",
                 "current_location_caption=Here :", "num_other_locations=3", "other_location_caption_1=Tokyo:9.0",
                 "other_location_caption_2=Rio:-3.0", "other_location_caption_3=Kabul:4.5", "Menus_Off_CheckBox=0",
                 "Title_Bar_Off_CheckBox=0", "Auto_Window_Height_Sizing_CheckBox=0",
                 "Auto_Window_Width_Sizing_CheckBox=0", "Show_Dates_and_Times_CheckBox=1",
                 "Hide_Current_Location_CheckBox=0", "Always_on_Top_Option=0", "Auto_Run_at_Windows_Startup_Option=0"});
    testing::WriteFileBytes(IniPath(), prepared);
    RunningProgram program(folder_.WidePath());
    ASSERT_TRUE(program.Started());
    const HWND main = program.WaitForMainWindow();
    ASSERT_NE(main, nullptr);

    struct Row {
        const char* description;
        double offsetHours;
    };
    const Row rows[] = {{"Here :", 0}, {"Tokyo :", 9}, {"Rio :", -3}, {"Kabul :", 4.5}};
    for (int row = 0; row < 4; ++row) {
        const std::string suffix = std::to_string(row);
        EXPECT_EQ(program.MainWindowText(("Other_Location_Label_" + suffix).c_str()), rows[row].description);
        const std::string time = program.MainWindowText(("Other_Location_Time_" + suffix).c_str());
        const auto shown = ParseTimeLabel(time, true);
        ASSERT_TRUE(shown.has_value()) << "row " << row << ": \"" << time << '"';
        EXPECT_LE(SecondsFromClock(*shown, true, rows[row].offsetHours), kClockToleranceSeconds)
            << "row " << row << ": " << time;
    }
    EXPECT_TRUE(ComponentVisible(main, "Other_Location_Time_3"));
    EXPECT_FALSE(ComponentVisible(main, "Other_Location_Label_4"));
    EXPECT_FALSE(ComponentVisible(main, "Other_Location_Time_4"));

    RECT frame{};
    GetWindowRect(main, &frame);
    EXPECT_EQ(frame.left, 120);
    EXPECT_EQ(frame.top, 150);
    RECT client{};
    GetClientRect(main, &client);
    EXPECT_EQ(client.right, 300);
    EXPECT_EQ(client.bottom, 140);

    PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program.WaitForExit());
    EXPECT_EQ(testing::ReadFileBytes(IniPath()), prepared);
}

TEST_F(EndToEndTest, AFailedWriteIsReportedAndKeepsTheWindowUntilAWriteSucceeds) {
    // Root ignores read-only flags under Wine; a folder in the file's place makes every write fail.
    ASSERT_TRUE(CreateDirectoryW(IniPath().c_str(), nullptr));
    RunningProgram program(folder_.WidePath());
    ASSERT_TRUE(program.Started());
    const HWND main = program.WaitForMainWindow();
    ASSERT_NE(main, nullptr);

    PostMessageW(main, WM_CLOSE, 0, 0);
    const HWND error = program.WaitForWindow(L"OrvantaMessageDialog", L"Error");
    ASSERT_NE(error, nullptr);
    EXPECT_NE(ChildTexts(error).find("Unable to write to " + toolkit::Narrow(IniPath())), std::string::npos)
        << ChildTexts(error);
    PostMessageW(FindWindowExW(error, nullptr, L"Button", L"OK"), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(error); }, kWindowTimeoutMs));
    // Asked whether to close anyway: No keeps the clock.
    const HWND question = program.WaitForWindow(L"OrvantaMessageDialog", L"Warning");
    ASSERT_NE(question, nullptr);
    PostMessageW(FindWindowExW(question, nullptr, L"Button", L"&No"), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(question); }, kWindowTimeoutMs));
    EXPECT_TRUE(program.Running());
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_TRUE(IsWindowEnabled(main));

    ASSERT_TRUE(RemoveDirectoryW(IniPath().c_str()));
    const std::string expected = DefaultSettingsFile(main);
    PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program.WaitForExit());
    EXPECT_EQ(program.ExitCode(), 0u);
    EXPECT_EQ(testing::ReadFileBytes(IniPath()), expected);
}

TEST_F(EndToEndTest, AStaleAutoRunEntryIsQuestionedBeforeTheWindowShowsAndYesRewritesIt) {
    const RunEntry stale(L"orvanta.exe", L"C:\\Elsewhere\\orvanta.exe");
    ASSERT_TRUE(stale.Written());
    RunningProgram program(folder_.WidePath());
    ASSERT_TRUE(program.Started());

    const HWND question = program.WaitForWindow(L"OrvantaMessageDialog", L"Warning", kStartTimeoutMs);
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(program.FindWindowOf(L"TMainForm1"), nullptr) << "the question comes before the window";
    const std::string current = toolkit::Narrow(folder_.WidePath()) + "orvanta.exe";
    const std::string texts = ChildTexts(question);
    EXPECT_NE(texts.find(" Old      = C:\\Elsewhere\\orvanta.exe\r\n Current = " + current + "\r\n"), std::string::npos)
        << texts;
    PostMessageW(FindWindowExW(question, nullptr, L"Button", L"&Yes"), BM_CLICK, 0, 0);

    const HWND told = program.WaitForWindow(L"OrvantaMessageDialog", L"Information");
    ASSERT_NE(told, nullptr);
    EXPECT_NE(ChildTexts(told).find("This program (orvanta.exe) will now run automatically at Windows Start-Up."),
              std::string::npos)
        << ChildTexts(told);
    PostMessageW(FindWindowExW(told, nullptr, L"Button", L"OK"), BM_CLICK, 0, 0);
    const HWND main = program.WaitForMainWindow();
    ASSERT_NE(main, nullptr);

    const auto query = RegQueryRunValue(folder_.WidePath(), L"orvanta.exe");
    ASSERT_TRUE(query.has_value());
    const std::string line = "orvanta.exe    REG_SZ    " + current;
    const auto at = query->find(line);
    ASSERT_NE(at, std::string::npos) << *query;
    EXPECT_TRUE(query->substr(at + line.size(), 1).find_first_of("\r\n") == 0) << "the whole path, nothing after it";

    PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program.WaitForExit());
    EXPECT_NE(testing::ReadFileBytes(IniPath()).find("Auto_Run_at_Windows_Startup_Option=1\r\n"), std::string::npos);
}

TEST_F(EndToEndTest, ABorderlessTopmostFittedWindowComesBackTheSameAfterEveryRestart) {
    const std::string prepared =
        IniFile({"window_top_posn=150", "window_left_posn=120", "window_ClientWidth=300", "window_ClientHeight=200",
                 "current_location_caption=Here :", "num_other_locations=3", "other_location_caption_1=Auckland:12.0",
                 "other_location_caption_2=Midway:-12.0", "other_location_caption_3=Fiji:12.0", "Menus_Off_CheckBox=1",
                 "Title_Bar_Off_CheckBox=1", "Auto_Window_Height_Sizing_CheckBox=1",
                 "Auto_Window_Width_Sizing_CheckBox=1", "Show_Dates_and_Times_CheckBox=0",
                 "Hide_Current_Location_CheckBox=0", "Always_on_Top_Option=1", "Auto_Run_at_Windows_Startup_Option=0"});
    // Half a day apart: whatever the hour, the rows show both designators, so the widest time text,
    // and with it the fitted width, is the same in every round.
    testing::WriteFileBytes(IniPath(), prepared);
    std::string firstWritten;
    for (int round = 1; round <= 4; ++round) {
        RunningProgram program(folder_.WidePath());
        ASSERT_TRUE(program.Started());
        const HWND main = program.WaitForMainWindow();
        ASSERT_NE(main, nullptr) << "round " << round;
        // The first tick shows the rows before it fits the window.
        const bool settled = WaitUntil(
            [&] {
                RECT client{};
                GetClientRect(main, &client);
                return client.bottom == 136 && (GetWindowLongW(main, GWL_STYLE) & WS_CAPTION) == 0;
            },
            kWindowTimeoutMs);
        EXPECT_TRUE(settled) << "round " << round;
        EXPECT_NE(GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_TOPMOST, 0) << "round " << round;
        EXPECT_EQ(GetMenu(main), nullptr) << "round " << round;
        RECT frame{};
        GetWindowRect(main, &frame);
        EXPECT_EQ(frame.left, 120) << "round " << round;
        EXPECT_EQ(frame.top, 150) << "round " << round;

        PostMessageW(main, WM_CLOSE, 0, 0);
        ASSERT_TRUE(program.WaitForExit()) << "round " << round;
        const std::string written = testing::ReadFileBytes(IniPath());
        if (round == 1) {
            firstWritten = written;
            EXPECT_NE(written.find("window_ClientHeight=136\r\n"), std::string::npos) << written;
        } else {
            EXPECT_EQ(written, firstWritten) << "round " << round;
        }
    }
}

struct NotepadSearch {
    std::string documentName;
    HWND found;
};

BOOL CALLBACK MatchNotepad(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<NotepadSearch*>(data);
    wchar_t className[32] = {};
    GetClassNameW(window, className, 32);
    if (IsWindowVisible(window) && lstrcmpiW(className, L"Notepad") == 0 &&
        WindowText(window).find(search.documentName) != std::string::npos) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

// Notepad is another program: the document opens in a Notepad window of its own, found by its title.
HWND FindNotepadShowing(const std::string& documentName) {
    NotepadSearch search{documentName, nullptr};
    EnumWindows(&MatchNotepad, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void ChooseMenuEntry(HWND main, const char* entry) {
    PostMessageW(main, WM_COMMAND, forms::MainMenuCommandIdOf(forms::MainForm1Description(), entry), 0);
}

// A program named notepad.exe beside the clock and in its current directory is a second clock,
// which would open no Notepad window at all: the Windows folder's Notepad opens the document.
TEST_F(EndToEndTest, TheReadmeOpensInTheWindowsFoldersNotepadAndAMissingCatalogIsExplained) {
    const std::wstring programFolder = folder_.WidePath() + L"My Clock\\";
    const std::wstring currentFolder = folder_.WidePath() + L"Current Place\\";
    for (const auto& planted : {programFolder, currentFolder}) {
        ASSERT_TRUE(CreateDirectoryW(planted.c_str(), nullptr));
        ASSERT_TRUE(CopyFileW(BuiltProgramPath().c_str(), (planted + L"notepad.exe").c_str(), FALSE));
    }
    testing::WriteFileBytes(programFolder + L"orvanta.txt", "Orvanta v2.7f - a world clock\r\n");
    RunningProgram program(programFolder, currentFolder);
    ASSERT_TRUE(program.Started());
    const HWND main = program.WaitForMainWindow();
    ASSERT_NE(main, nullptr);

    ChooseMenuEntry(main, "View_Readme_file_Option");
    HWND notepad = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (notepad = FindNotepadShowing("orvanta.txt")) != nullptr; }, kStartTimeoutMs));
    DWORD notepadProcess = 0;
    GetWindowThreadProcessId(notepad, &notepadProcess);
    EXPECT_NE(notepadProcess, program.ProcessId());
    PostMessageW(notepad, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(notepad); }, kWindowTimeoutMs));

    ChooseMenuEntry(main, "View_Shareware_Catalog_Option");
    const HWND information = program.WaitForWindow(L"OrvantaMessageDialog", L"Information");
    ASSERT_NE(information, nullptr);
    const std::string told = ChildTexts(information);
    EXPECT_NE(told.find("is not in the same directory as Orvanta v2.7f.  The required file 'catalog.txt'"),
              std::string::npos)
        << told;
    PostMessageW(FindWindowExW(information, nullptr, L"Button", L"OK"), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(information); }, kWindowTimeoutMs));

    PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program.WaitForExit());
    EXPECT_EQ(program.ExitCode(), 0u);
}

TEST_F(EndToEndTest, AFolderNamedOutsideTheAnsiCodePageHoldsTheProgramAndItsSettings) {
    // Neither "日本" nor "Ω" is in code page 1252: only the wide Windows functions reach this folder.
    const std::wstring folder = folder_.WidePath() + L"Zeit-\u65E5\u672C-\u03A9\\";
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    const std::wstring iniPath = folder + L"orvanta.ini";
    testing::WriteFileBytes(iniPath, IniFile({"num_other_locations=1", "other_location_caption_1=Tokyo:9.0"}));
    RunningProgram program(folder);
    ASSERT_TRUE(program.Started());
    const HWND main = program.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(program.MainWindowText("Other_Location_Label_1"), "Tokyo :");

    PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program.WaitForExit());
    EXPECT_EQ(program.ExitCode(), 0u);
    const std::string written = testing::ReadFileBytes(iniPath);
    for (const char* line : {"other_location_caption_1=Tokyo:9.0\r\n", "window_top_posn=200\r\n",
                             "Auto_Run_at_Windows_Startup_Option=0\r\n"}) {
        EXPECT_NE(written.find(line), std::string::npos) << line << " missing from:\n" << written;
    }
}

}  // namespace
}  // namespace orvanta::e2e
