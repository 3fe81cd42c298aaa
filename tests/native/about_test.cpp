#include <gtest/gtest.h>

#include <cstdint>
#include <regex>
#include <string>

#include "about/about_texts.h"
#include "about/free_resources.h"
#include "about/scrambled_text.h"
#include "fake_shell.h"

namespace orvanta {
namespace {

constexpr std::uint64_t kKb = 1024;
constexpr std::uint64_t kGb = kKb * kKb * kKb;

TEST(FreeResourcesPercentTest, FreeShareOfPhysicalMemoryAndPageFileRoundedHalfUp) {
    struct Case {
        const char* name;
        MemoryStatus status;
        const char* percent;
    };
    const Case cases[] = {
        {"ratio 0.6349", {6349 * kKb, 0, 10000 * kKb, 0}, "63%"},
        {"ratio 0.6351", {6351 * kKb, 0, 10000 * kKb, 0}, "64%"},
        {"a half rounds up", {1 * kKb, 0, 8 * kKb, 0}, "13%"},
        {"half a per cent", {1 * kKb, 0, 200 * kKb, 0}, "1%"},
        {"totals above 4 GB", {6 * kGb, 10 * kGb, 16 * kGb, 24 * kGb}, "40%"},
        {"all free", {2 * kGb, 3 * kGb, 2 * kGb, 3 * kGb}, "100%"},
        {"none free", {0, 0, 2 * kGb, 3 * kGb}, "0%"},
        // Physical memory counts in whole kilobytes, the page file to the byte.
        {"physical truncated to kilobytes", {1023, 0, 2 * kKb, 0}, "0%"},
        {"page file in fractions of a kilobyte", {0, 512, 0, 1024}, "50%"},
        {"near the top of 64 bits", {std::uint64_t{1} << 62, 0, std::uint64_t{1} << 62, std::uint64_t{1} << 62}, "50%"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Free_Resources_Percent(c.status).value_or("(none)"), c.percent) << c.name;
    }
    EXPECT_FALSE(Free_Resources_Percent({}).has_value());
}

// Every byte value at every position of a 256-byte text.
struct AllBytes {
    char text[257] = {};
    constexpr AllBytes() {
        for (int i = 0; i < 256; ++i) {
            text[i] = static_cast<char>(255 - i);
        }
    }
};

TEST(ScrambledTextTest, EveryByteComesBackAndNoneIsStoredAsItself) {
    static constexpr AllBytes kPlain;
    static constexpr ScrambledText<257> kScrambled{kPlain.text};
    EXPECT_EQ(kScrambled.Text(), std::string(kPlain.text, 256));
    static constexpr ScrambledText kEmpty{""};
    EXPECT_EQ(kEmpty.Text(), "");
    int unchanged = 0;
    for (std::size_t i = 0; i < 256; ++i) {
        unchanged += kScrambled.Bytes()[i] == static_cast<unsigned char>(kPlain.text[i]) ? 1 : 0;
    }
    EXPECT_EQ(unchanged, 0);
}

TEST(AboutTextsTest, StoredTextsComeBackReadable) {
    for (const auto& text : Stored_Texts()) {
        EXPECT_FALSE(text.empty());
        for (const char c : text) {
            // Printable ASCII, or a byte of a UTF-8 sequence such as the copyright sign.
            EXPECT_TRUE((c >= ' ' && c <= '~') || (static_cast<unsigned char>(c) & 0x80) != 0) << text;
        }
    }
    const AboutTexts texts = About_Box_Texts(2026);
    EXPECT_TRUE(texts.authorAndDate.ends_with(", September 2007")) << texts.authorAndDate;
    EXPECT_GT(texts.authorAndDate.size(), std::string(", September 2007").size());
    EXPECT_TRUE(texts.copyright.ends_with(" 2026")) << texts.copyright;
    // Our addresses stay under the reserved example domains until real ones exist.
    const std::regex exampleMail(R"(^[a-z.]+@example\.(com|org|net)$)");
    const std::regex exampleWeb(R"(^https://example\.(com|org|net)/.*$)");
    EXPECT_TRUE(std::regex_match(texts.emailAddress, exampleMail)) << texts.emailAddress;
    EXPECT_TRUE(std::regex_match(texts.webAddress, exampleWeb)) << texts.webAddress;
    EXPECT_TRUE(std::regex_match(texts.donationAddress, exampleWeb)) << texts.donationAddress;
    const auto stored = Stored_Texts();
    EXPECT_EQ(texts.donationAddress, stored[stored.size() - 2] + stored.back());
}

TEST(AboutTextsTest, TheEmailSubjectNamesTheExecutableAsItIsSpelt) {
    EXPECT_EQ(Email_Target("tamsor@example.com", "Orvanta.EXE"),
              "mailto:tamsor@example.com?subject=Shareware: Orvanta.EXE");
    // Characters that would end the subject or start an escape are escaped themselves.
    EXPECT_EQ(Email_Target("a@example.com", "100% clock & co #2.exe"),
              "mailto:a@example.com?subject=Shareware: 100%25 clock %26 co %232.exe");
}

TEST(AboutTextsTest, ShellOpenHandsOverOnlyATarget) {
    testing::FakeShell shell;
    Shell_Open(shell, "");
    EXPECT_TRUE(shell.opened.empty());
    Shell_Open(shell, "https://example.com/");
    EXPECT_EQ(shell.opened, std::vector<std::string>{"https://example.com/"});
}

}  // namespace
}  // namespace orvanta
