// What the user had is still there after any number of restarts: the window's place and size, and
// values of any length.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_form_win.h"
#include "core/settings_file_guard.h"
#include "settings/options_setup_win.h"
#include "test_support.h"
#include "toolkit/win_text.h"

namespace orvanta::testing {
namespace {

// The file held open with no sharing, as an editor or a sync tool may hold it.
class HeldFile {
  public:
    explicit HeldFile(const std::string& path)
        : handle_(CreateFileW(toolkit::Widen(path).c_str(),
                              GENERIC_READ | GENERIC_WRITE,
                              0,
                              nullptr,
                              OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL,
                              nullptr)) {}
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    ~HeldFile() { Release(); }

    bool Held() const { return handle_ != INVALID_HANDLE_VALUE; }
    void Release() {
        if (Held()) {
            CloseHandle(handle_);
            handle_ = INVALID_HANDLE_VALUE;
        }
    }

  private:
    HANDLE handle_;
};

// A settings file as the program writes it, with places that defaults would lose.
const std::vector<std::string> kUsersSettings = {"window_top_posn=150",
                                                 "window_left_posn=120",
                                                 "window_ClientWidth=300",
                                                 "window_ClientHeight=140",
                                                 "current_location_caption=Home :",
                                                 "num_other_locations=2",
                                                 "other_location_caption_1=Tokyo:9.0",
                                                 "other_location_caption_2=Rio:-3.0"};

class SettingsSurvivalTest : public AppTest {
  protected:
    TMainForm1& Main() { return app_->MainForm(); }

    void WriteIni(const std::vector<std::string>& lines) {
        std::string text = "[orvanta]\r\n";
        for (const auto& line : lines) {
            text += line + "\r\n";
        }
        WriteFileBytes(IniPath(), text);
    }

    // A start, the clock's first tick and a close, as a user who only looks at the time does.
    std::string StartAndClose() {
        StartApp();
        WaitForFirstTick();
        const HWND window = Main().Handle();
        SendMessageW(window, WM_CLOSE, 0, 0);
        EXPECT_FALSE(IsWindow(window));
        PumpPending();
        app_.reset();
        return ReadFileBytes(IniPath());
    }
};

TEST_F(SettingsSurvivalTest, AnySavedSizeSettlesAfterOneStartAndStaysThere) {
    struct Case {
        int clientWidth;
        int clientHeight;
    };
    // 0 and 1 are below the smallest window the system allows; 112 is wide enough for the menu bar
    // as it is shown, but not for the bar that still holds the spare entry before the first showing.
    const Case cases[] = {{0, 0}, {1, 1}, {112, 60}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "saved client size " << c.clientWidth << " x " << c.clientHeight);
        WriteIni({"window_top_posn=100", "window_left_posn=100", "window_ClientWidth=" + std::to_string(c.clientWidth),
                  "window_ClientHeight=" + std::to_string(c.clientHeight)});
        const std::string first = StartAndClose();
        EXPECT_EQ(StartAndClose(), first);
        EXPECT_EQ(StartAndClose(), first);
    }
}

TEST_F(SettingsSurvivalTest, AFiveThousandCharacterCaptionAndEntryAreReadAndWrittenWhole) {
    std::string description;
    while (description.size() < 5000) {
        description += "Place " + std::to_string(description.size()) + " ";
    }
    const std::string entry = description + ":9.0";
    const std::string caption = description + ":";
    WriteIni({"current_location_caption=" + caption, "num_other_locations=1", "other_location_caption_1=" + entry});

    StartApp();
    const std::string shownCaption = app_->Model().CurrentLocationCaption();
    EXPECT_TRUE(shownCaption == caption) << shownCaption.size() << " of " << caption.size() << " characters";
    const auto items = Entries();
    ASSERT_EQ(items.size(), 1u);
    EXPECT_TRUE(items[0] == entry) << items[0].size() << " of " << entry.size() << " characters";
    WaitForFirstTick();
    // The offset at the end of the entry was read: nine hours on from 13:20:05.
    EXPECT_EQ(Main().Component("Other_Location_Time_1").Text(), " 22:20:05 ");

    const HWND window = Main().Handle();
    SendMessageW(window, WM_CLOSE, 0, 0);
    PumpPending();
    const std::string written = ReadFileBytes(IniPath());
    EXPECT_TRUE(written.find("\r\ncurrent_location_caption=" + caption + "\r\n") != std::string::npos);
    EXPECT_TRUE(written.find("\r\nother_location_caption_1=" + entry + "\r\n") != std::string::npos);
}

TEST_F(SettingsSurvivalTest, AFileHeldThroughTheStartIsWarnedAboutAndNotWrittenOver) {
    WriteIni(kUsersSettings);
    const std::string before = ReadFileBytes(IniPath());
    HeldFile held(IniPath());
    ASSERT_TRUE(held.Held());
    unsigned paused = 0;
    pause_ = [&paused](unsigned milliseconds) { paused += milliseconds; };

    StartApp();
    EXPECT_GE(paused, 1000u) << "the program gave up without waiting";
    ASSERT_TRUE(PumpUntil([this] { return !dialogs_.shown.empty(); }));
    ASSERT_EQ(dialogs_.shown.size(), 1u);
    EXPECT_EQ(dialogs_.shown[0].kind, MessageKind::Warning);
    EXPECT_EQ(dialogs_.shown[0].text, UnreadableSettingsMessage(IniPath()));
    EXPECT_EQ(dialogs_.shown[0].buttons, ButtonSet::Ok);
    // The defaults are on screen.
    EXPECT_EQ(app_->Model().CurrentLocationCaption(), "Here :");
    EXPECT_EQ(Entries().size(), 0);
    EXPECT_EQ(Main().WindowBounds().left, 200);
    EXPECT_EQ(Main().ClientSize().cx, 240);

    // Released before the close, so that only the program's own decision keeps the file as it was.
    held.Release();
    AddEntry("Lima:-5.0");
    WaitForFirstTick();
    const HWND window = Main().Handle();
    SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    PumpPending();
    EXPECT_EQ(dialogs_.shown.size(), 1u);
    EXPECT_EQ(ReadFileBytes(IniPath()), before);
}

TEST_F(SettingsSurvivalTest, AFileReleasedWhileTheProgramWaitsIsReadAndWrittenAsUsual) {
    WriteIni(kUsersSettings);
    HeldFile held(IniPath());
    ASSERT_TRUE(held.Held());
    pause_ = [&held](unsigned) { held.Release(); };

    StartApp();
    EXPECT_FALSE(held.Held()) << "the program did not wait";
    EXPECT_EQ(app_->Model().CurrentLocationCaption(), "Home :");
    EXPECT_EQ(Entries(), (std::vector<std::string>{"Tokyo:9.0", "Rio:-3.0"}));
    EXPECT_EQ(Main().WindowBounds().left, 120);
    EXPECT_EQ(Main().ClientSize().cx, 300);

    AddEntry("Lima:-5.0");
    WaitForFirstTick();
    const HWND window = Main().Handle();
    SendMessageW(window, WM_CLOSE, 0, 0);
    PumpPending();
    EXPECT_TRUE(dialogs_.shown.empty());
    EXPECT_NE(ReadFileBytes(IniPath()).find("\r\nother_location_caption_3=Lima:-5.0\r\n"), std::string::npos);
}

// The user asked for the defaults: a file that could be neither removed nor read is no reason to
// wait or warn, and the next close writes as usual, even after a start that could not read it.
TEST_F(SettingsSurvivalTest, AFactoryResetOverAHeldFileNeitherWaitsNorWarnsAndTheNextCloseWrites) {
    WriteIni(kUsersSettings);
    HeldFile held(IniPath());
    ASSERT_TRUE(held.Held());
    unsigned pauses = 0;
    pause_ = [&pauses](unsigned) { ++pauses; };
    StartApp();
    ASSERT_TRUE(PumpUntil([this] { return !dialogs_.shown.empty(); }));
    ASSERT_TRUE(app_->KeepsSettingsFileUntouched());

    pauses = 0;
    dialogs_.answers = {DialogButton::Yes};
    SendMessageW(Main().Handle(), WM_COMMAND, Main().MenuEntry("Restore_Factory_Defaults_Option").CommandId(), 0);
    PumpPending();
    EXPECT_EQ(pauses, 0u);
    ASSERT_EQ(dialogs_.shown.size(), 2u) << "the warning at the start and the reset's question, nothing more";
    EXPECT_EQ(dialogs_.shown[1].buttons, ButtonSet::YesNo);
    EXPECT_FALSE(app_->KeepsSettingsFileUntouched());

    held.Release();
    const HWND window = Main().Handle();
    SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    PumpPending();
    EXPECT_NE(ReadFileBytes(IniPath()).find("\r\ncurrent_location_caption=Here :\r\n"), std::string::npos);
}

}  // namespace
}  // namespace orvanta::testing
