#include "desktop/auto_run.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "desktop/registry_routines.h"
#include "fake_registry.h"
#include "recording_dialogs.h"

namespace orvanta {
namespace {

constexpr const char* kExe = "C:\\Program Files\\World Clock\\orvanta.exe";
constexpr const char* kRunKey = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";

TEST(AutoRunTextTest, FileNameAndMessages) {
    EXPECT_EQ(ExecutableFileName(kExe), "orvanta.exe");
    EXPECT_EQ(ExecutableFileName("D:/clock/Orvanta.EXE"), "Orvanta.EXE");
    EXPECT_EQ(ExecutableFileName("orvanta.exe"), "orvanta.exe");

    EXPECT_EQ(AutoRunEnabledMessage("orvanta.exe"),
              "This program (orvanta.exe) will now run automatically at Windows Start-Up.");
    EXPECT_EQ(AutoRunDisabledMessage("orvanta.exe"),
              "This program (orvanta.exe) will now no-longer run automatically at Windows Start-Up.");
    EXPECT_EQ(AutoRunPathMismatchQuestion("orvanta.exe", "c:\\Old Place\\orvanta.exe", kExe),
              "The directory / path settings required to make this program (orvanta.exe)\r\n"
              "run automatically at Windows Start-up do not match where the program \r\n"
              "is currently being run from.\r\n"
              "\r\n"
              " Old      = c:\\Old Place\\orvanta.exe\r\n"
              " Current = C:\\Program Files\\World Clock\\orvanta.exe\r\n"
              "\r\n"
              "Do you want to update the Windows Registry to reflect the programs current locaton ?");
}

class AutoRunTest : public ::testing::Test {
  protected:
    AutoRun Subject(std::string executablePath = kExe) {
        return {registry_.Factory(), dialogs_, std::move(executablePath)};
    }
    FakeRegistry::Key& RunKey() { return registry_.AddKey(RegistryRoot::LocalMachine, kRunKey); }
    std::optional<std::string> Stored(const std::string& name = "orvanta.exe") {
        const auto& values = RunKey().values;
        const auto found = values.find(name);
        return found == values.end() ? std::nullopt : std::optional<std::string>(found->second.data);
    }

    FakeRegistry registry_;
    RecordingDialogs dialogs_;
};

TEST_F(AutoRunTest, EnableWritesTheBarePathUnderTheFileNameOverAnyEntryAndSaysSo) {
    RunKey().values["orvanta.exe"] = {true, "\"C:\\Old\\orvanta.exe\" /min"};
    RunKey().values["other.exe"] = {true, "C:\\other.exe"};
    EXPECT_TRUE(Enable_Auto_Run(Subject()));
    EXPECT_EQ(Stored(), kExe);
    EXPECT_EQ(Stored("other.exe"), "C:\\other.exe");
    ASSERT_EQ(dialogs_.shown.size(), 1u);
    EXPECT_EQ(dialogs_.shown[0].kind, MessageKind::Information);
    EXPECT_EQ(dialogs_.shown[0].buttons, ButtonSet::Ok);
    EXPECT_EQ(dialogs_.shown[0].text, AutoRunEnabledMessage("orvanta.exe"));
}

TEST_F(AutoRunTest, DisableRemovesTheEntryAndSucceedsWhenThereWasNone) {
    RunKey().values["orvanta.exe"] = {true, kExe};
    EXPECT_TRUE(Disable_Auto_Run(Subject()));
    EXPECT_EQ(Stored(), std::nullopt);
    EXPECT_TRUE(Disable_Auto_Run(Subject()));
    ASSERT_EQ(dialogs_.shown.size(), 2u);
    for (const auto& shown : dialogs_.shown) {
        EXPECT_EQ(shown.kind, MessageKind::Information);
        EXPECT_EQ(shown.text, AutoRunDisabledMessage("orvanta.exe"));
    }
}

TEST_F(AutoRunTest, FailuresShowOnlyTheRoutinesErrorAndAnswerFalse) {
    // No Run key at all.
    EXPECT_FALSE(Enable_Auto_Run(Subject()));
    EXPECT_FALSE(Disable_Auto_Run(Subject()));
    RunKey().values["orvanta.exe"] = {true, kExe};
    registry_.keepDeletedValues = true;
    registry_.refuseWrites = true;
    EXPECT_FALSE(Enable_Auto_Run(Subject()));
    EXPECT_FALSE(Disable_Auto_Run(Subject()));
    ASSERT_EQ(dialogs_.shown.size(), 4u);
    EXPECT_EQ(dialogs_.shown[0].text, RegistryKeyMissingOnWriteMessage(kRunKey, "orvanta.exe", kExe));
    EXPECT_EQ(dialogs_.shown[1].text, RegistryKeyMissingOnDeleteMessage(kRunKey, "orvanta.exe"));
    EXPECT_EQ(dialogs_.shown[2].text, RegistryWriteFailedMessage(kRunKey, "orvanta.exe", kExe));
    EXPECT_EQ(dialogs_.shown[3].text, RegistryRemovalFailedMessage(kRunKey, "orvanta.exe"));
    for (const auto& shown : dialogs_.shown) {
        EXPECT_EQ(shown.kind, MessageKind::Error);
    }
}

TEST_F(AutoRunTest, TheCheckMarkChangesOnlyWhenTheClickSucceeded) {
    // With no Run key both directions fail.
    EXPECT_FALSE(AutoRunCheckAfterClick(false, Subject()));
    EXPECT_TRUE(AutoRunCheckAfterClick(true, Subject()));
    RunKey();
    EXPECT_TRUE(AutoRunCheckAfterClick(false, Subject()));
    EXPECT_EQ(Stored(), kExe);
    EXPECT_FALSE(AutoRunCheckAfterClick(true, Subject()));
    EXPECT_EQ(Stored(), std::nullopt);
}

TEST_F(AutoRunTest, WithoutAdministratorRightsTheEntryIsSeenAndTheCheckMarkStaysAsItWas) {
    RunKey().changeable = false;
    RunKey().values["orvanta.exe"] = {true, kExe};
    EXPECT_TRUE(Check_Auto_Run_Path(Subject()));
    EXPECT_TRUE(AutoRunCheckAfterClick(true, Subject()));
    RunKey().values.clear();
    EXPECT_FALSE(Check_Auto_Run_Path(Subject()));
    EXPECT_FALSE(AutoRunCheckAfterClick(false, Subject()));
    EXPECT_EQ(dialogs_.shown.size(), 2u);  // each refusal once, in the registry routines' words
}

TEST_F(AutoRunTest, TheStartUpCheckAsksOnlyWhenTheEntryPointsElsewhere) {
    const std::string zeitExe = "C:\\Zeit\\\xC3\xA4rger\\orvanta.exe";  // "ärger"
    const struct {
        const char* what;
        std::string running;
        std::optional<std::string> stored;  // nothing: no entry
        bool keyThere;
        bool expected;
        bool asked;
    } cases[] = {
        {"no entry", kExe, std::nullopt, true, false, false},
        {"no Run key", kExe, std::nullopt, false, false, false},
        {"a value that is no string", kExe, "", true, false, false},
        {"the same path", kExe, kExe, true, true, false},
        {"ASCII letters in another case", kExe, "c:\\PROGRAM files\\world CLOCK\\ORVANTA.exe", true, true, false},
        {"a non-ASCII letter in another case", zeitExe, "C:\\Zeit\\\xC3\x84rger\\orvanta.exe", true, true, true},
        {"in quotes", kExe, "\"" + std::string(kExe) + "\"", true, true, true},
        {"with arguments", kExe, std::string(kExe) + " /min", true, true, true},
        {"another folder", kExe, "D:\\orvanta.exe", true, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        registry_ = FakeRegistry();
        dialogs_.shown.clear();
        dialogs_.answers = {DialogButton::No};
        if (c.keyThere) {
            RunKey();
        }
        if (c.stored) {
            RunKey().values["orvanta.exe"] = {std::string(c.what) != "a value that is no string", *c.stored};
        }
        EXPECT_EQ(Check_Auto_Run_Path(Subject(c.running)), c.expected);
        ASSERT_EQ(dialogs_.shown.size(), c.asked ? 1u : 0u);
        if (c.asked) {
            const auto& question = dialogs_.shown[0];
            EXPECT_EQ(question.kind, MessageKind::Warning);
            EXPECT_EQ(question.buttons, ButtonSet::YesNo);
            EXPECT_EQ(question.defaultButton, DialogButton::Yes);
            EXPECT_EQ(question.text, AutoRunPathMismatchQuestion("orvanta.exe", *c.stored, c.running));
            EXPECT_EQ(Stored(), c.stored) << "No leaves the stale entry";
        }
        EXPECT_EQ(registry_.accessesAlive, 0);
    }
}

TEST_F(AutoRunTest, YesRewritesTheEntryAndTheCheckHoldsWhateverTheRewriteDid) {
    for (const bool rewriteFails : {false, true}) {
        SCOPED_TRACE(rewriteFails ? "rewrite refused" : "rewrite works");
        registry_ = FakeRegistry();
        dialogs_.shown.clear();
        dialogs_.answers = {DialogButton::Yes};
        RunKey().values["orvanta.exe"] = {true, "D:\\Old\\orvanta.exe"};
        registry_.refuseWrites = rewriteFails;
        EXPECT_TRUE(Check_Auto_Run_Path(Subject()));
        EXPECT_EQ(Stored(), rewriteFails ? "D:\\Old\\orvanta.exe" : kExe);
        ASSERT_EQ(dialogs_.shown.size(), 2u);
        EXPECT_EQ(dialogs_.shown[1].kind, rewriteFails ? MessageKind::Error : MessageKind::Information);
        EXPECT_EQ(dialogs_.shown[1].text, rewriteFails ? RegistryWriteFailedMessage(kRunKey, "orvanta.exe", kExe)
                                                       : AutoRunEnabledMessage("orvanta.exe"));
    }
}

}  // namespace
}  // namespace orvanta
