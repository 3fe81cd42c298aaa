#include "desktop/registry_routines.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "fake_registry.h"
#include "recording_dialogs.h"

namespace orvanta {
namespace {

constexpr const char* kKey = "\\Software\\Orvanta Test";
constexpr RegistryRoot kRoot = RegistryRoot::CurrentUser;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    lines.push_back(text.substr(start));
    return lines;
}

TEST(RegistryMessagesTest, EachMessageLineByLine) {
    const std::vector<std::string> keyMissing = {
        "Error: The specified Registry Key for this operation ",
        "does NOT exist on your PC.  ",
    };
    const std::vector<std::string> writeFailed = {
        "Error: The required settings could not be created ",
        "or saved in the Windows Registry.  ",
    };
    const std::vector<std::string> removalFailed = {
        "Error: The required Registry Key settings ",
        "could not be removed from the Windows Registry.  ",
    };
    const std::vector<std::string> writeTail = {
        "",
        " Error Key   = \\Software\\Run",
        " Error Item  = clock.exe",
        " Error Value = C:\\My Tools\\clock.exe",
        "",
        "Please contact the program's author.",
    };
    const std::vector<std::string> deleteTail = {
        "", " Error Key   = \\Software\\Run", " Error Item  = clock.exe", "", "Please contact the program's author.",
    };
    auto joined = [](std::vector<std::string> head, const std::vector<std::string>& tail) {
        head.insert(head.end(), tail.begin(), tail.end());
        return head;
    };
    const struct {
        std::string text;
        std::vector<std::string> lines;
    } cases[] = {
        {RegistryKeyMissingOnWriteMessage("\\Software\\Run", "clock.exe", "C:\\My Tools\\clock.exe"),
         joined(keyMissing, writeTail)},
        {RegistryWriteFailedMessage("\\Software\\Run", "clock.exe", "C:\\My Tools\\clock.exe"),
         joined(writeFailed, writeTail)},
        {RegistryKeyMissingOnDeleteMessage("\\Software\\Run", "clock.exe"), joined(keyMissing, deleteTail)},
        {RegistryRemovalFailedMessage("\\Software\\Run", "clock.exe"), joined(removalFailed, deleteTail)},
        {RegistryNeedsAdministratorMessage("\\Software\\Run", "clock.exe"),
         {"Error: Your Windows account may not change this Windows Registry setting.  ",
          "The change needs an administrator's rights: start the program with ",
          "\"Run as administrator\" and try again.", "", " Error Key   = \\Software\\Run", " Error Item  = clock.exe"}},
    };
    for (const auto& [text, lines] : cases) {
        EXPECT_EQ(Lines(text), lines);
        EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1) << "every break is CR LF";
        EXPECT_NE(text.substr(text.size() - 4), "\r\n") << "no break after the last line";
    }
}

class RegistryRoutinesTest : public ::testing::Test {
  protected:
    bool Write(std::string_view name, std::string_view data) {
        return Write_Registry_String(registry_.Factory(), dialogs_, kRoot, kKey, name, data);
    }
    bool Delete(std::string_view name) {
        return Delete_Registry_Value(registry_.Factory(), dialogs_, kRoot, kKey, name);
    }
    std::string Read(std::string_view name) { return Read_Registry_String(registry_.Factory(), kRoot, kKey, name); }
    FakeRegistry::Key& Key() { return registry_.AddKey(kRoot, kKey); }
    std::vector<std::string> Errors() const {
        std::vector<std::string> texts;
        for (const auto& shown : dialogs_.shown) {
            EXPECT_EQ(shown.kind, MessageKind::Error);
            EXPECT_EQ(shown.buttons, ButtonSet::Ok);
            texts.push_back(shown.text);
        }
        return texts;
    }

    FakeRegistry registry_;
    RecordingDialogs dialogs_;
};

TEST_F(RegistryRoutinesTest, WriteStoresTheStringAndOverwritesAnyValueOfThatName) {
    Key().values["clock.exe"] = {false, "\x01\x00\x00\x00"};
    EXPECT_TRUE(Write("clock.exe", "C:\\Clock\\clock.exe"));
    EXPECT_EQ(Key().values["clock.exe"].data, "C:\\Clock\\clock.exe");
    EXPECT_TRUE(Key().values["clock.exe"].isString);
    EXPECT_TRUE(Errors().empty());
    EXPECT_EQ(registry_.accessesMade, 1);
    EXPECT_EQ(registry_.accessesAlive, 0);
}

TEST_F(RegistryRoutinesTest, AMissingKeyIsReportedAndNeverCreated) {
    EXPECT_FALSE(Write("clock.exe", "C:\\Clock\\clock.exe"));
    EXPECT_FALSE(Delete("clock.exe"));
    EXPECT_EQ(Read("clock.exe"), "");
    EXPECT_EQ(Errors(), (std::vector<std::string>{
                            RegistryKeyMissingOnWriteMessage(kKey, "clock.exe", "C:\\Clock\\clock.exe"),
                            RegistryKeyMissingOnDeleteMessage(kKey, "clock.exe"),
                        }));
    EXPECT_EQ(registry_.Find(kRoot, kKey), nullptr);
}

// A user without an administrator's rights may read the machine-wide hive but not change it.
TEST_F(RegistryRoutinesTest, AKeyThisUserMayOnlyReadIsReadAndEachRefusedChangeNamesTheRightsItNeeds) {
    Key().changeable = false;
    Key().values["clock.exe"] = {true, "C:\\Old\\clock.exe"};
    EXPECT_EQ(Read("clock.exe"), "C:\\Old\\clock.exe");
    EXPECT_FALSE(Write("clock.exe", "C:\\Clock\\clock.exe"));
    EXPECT_FALSE(Delete("clock.exe"));
    EXPECT_EQ(Errors(), (std::vector<std::string>{RegistryNeedsAdministratorMessage(kKey, "clock.exe"),
                                                  RegistryNeedsAdministratorMessage(kKey, "clock.exe")}));
    EXPECT_EQ(Key().values["clock.exe"].data, "C:\\Old\\clock.exe");
    // Nothing to remove is no change to refuse.
    dialogs_.shown.clear();
    EXPECT_TRUE(Delete("other.exe"));
    EXPECT_TRUE(dialogs_.shown.empty());
}

TEST_F(RegistryRoutinesTest, AWriteThatIsRefusedOrDoesNotReadBackExactlyFails) {
    const struct {
        const char* what;
        bool refuse;
        std::function<std::string(std::string_view)> storeAs;
    } cases[] = {
        {"refused", true, nullptr},
        {"cut short", false, [](std::string_view data) { return std::string(data.substr(0, 5)); }},
        {"letter case changed", false,
         [](std::string_view data) {
             std::string upper(data);
             for (char& c : upper) {
                 c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
             }
             return upper;
         }},
    };
    for (const auto& [what, refuse, storeAs] : cases) {
        SCOPED_TRACE(what);
        registry_ = FakeRegistry();
        dialogs_.shown.clear();
        Key().values["clock.exe"] = {true, "C:\\Old\\clock.exe"};
        registry_.refuseWrites = refuse;
        registry_.storeAs = storeAs;
        EXPECT_FALSE(Write("clock.exe", "C:\\Clock\\clock.exe"));
        EXPECT_EQ(Errors(),
                  std::vector<std::string>{RegistryWriteFailedMessage(kKey, "clock.exe", "C:\\Clock\\clock.exe")});
    }
    // Data with no letters to change reads back as written.
    registry_.refuseWrites = false;
    dialogs_.shown.clear();
    EXPECT_TRUE(Write("clock.exe", "C:\\1\\2.EXE"));
    EXPECT_TRUE(dialogs_.shown.empty());
}

TEST_F(RegistryRoutinesTest, DeleteSucceedsWhenTheValueIsGoneWhetherOrNotItWasThere) {
    Key().values["clock.exe"] = {true, "C:\\Clock\\clock.exe"};
    Key().values["other.exe"] = {true, "C:\\other.exe"};
    EXPECT_TRUE(Delete("clock.exe"));
    EXPECT_FALSE(Key().values.contains("clock.exe"));
    EXPECT_TRUE(Key().values.contains("other.exe"));
    EXPECT_TRUE(Delete("clock.exe")) << "nothing there to delete";
    EXPECT_TRUE(Errors().empty());
    EXPECT_EQ(registry_.accessesMade, 2);
    EXPECT_EQ(registry_.accessesAlive, 0);
}

TEST_F(RegistryRoutinesTest, AValueStillThereAfterTheDeletionIsReported) {
    Key().values["clock.exe"] = {true, "C:\\Clock\\clock.exe"};
    registry_.keepDeletedValues = true;
    EXPECT_FALSE(Delete("clock.exe"));
    EXPECT_EQ(Errors(), std::vector<std::string>{RegistryRemovalFailedMessage(kKey, "clock.exe")});
}

TEST_F(RegistryRoutinesTest, ReadGivesTheStringOrEmptyTextAndSaysNothing) {
    Key().values["text"] = {true, "C:\\Clock\\clock.exe"};
    Key().values["number"] = {false, "\x2a"};
    EXPECT_EQ(Read("text"), "C:\\Clock\\clock.exe");
    EXPECT_EQ(Read("number"), "");
    EXPECT_EQ(Read("missing"), "");
    EXPECT_TRUE(dialogs_.shown.empty());
    EXPECT_EQ(registry_.accessesAlive, 0);
}

}  // namespace
}  // namespace orvanta
