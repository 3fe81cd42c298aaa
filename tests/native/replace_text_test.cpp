#include "core/replace_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvanta {
namespace {

struct ReplaceCase {
    std::string source;
    std::string pattern;
    std::string replacement;
    std::string expected;
};

void ExpectReplacements(const std::vector<ReplaceCase>& cases) {
    for (const auto& c : cases) {
        EXPECT_EQ(Replace_Text(c.source, c.pattern, c.replacement), c.expected)
            << "\"" << c.source << "\" \"" << c.pattern << "\" -> \"" << c.replacement << "\"";
    }
}

TEST(ReplaceTextTest, ReplacesEveryOccurrence) {
    ExpectReplacements({{"a:b:c", ":", "", "abc"},
                        {"3 AM", " ", "x", "3xAM"},
                        {"3 AM", " ", ":00 ", "3:00 AM"},
                        {"3.5 PM", ".5", ":30", "3:30 PM"},
                        {"12.0 AM", ".0", ":00", "12:00 AM"},
                        {"ABC", "b", "x", "ABC"},
                        {"abc", "abcd", "", "abc"},
                        {"", "x", "y", ""},
                        {"abc", "", "y", "abc"},
                        // Occurrences formed by a replacement and its neighbours are replaced too.
                        {"aabb", "ab", "", ""},
                        {"aab", "ab", "b", "b"},
                        {"aaabbb", "ab", "ba", "bbbaaa"},
                        {"abb", "ab", "baa", "bbaaaa"},
                        // A replacement holding the pattern is put in once for each occurrence.
                        {"a", "a", "aa", "aa"},
                        {"aaa", "a", "aa", "aaaaaa"},
                        {"aabb", "ab", "abab", "aababb"}});
}

// The rule applied literally: search from the start again after every replacement, or, when the
// replacement holds the pattern, swap the occurrences through a marker. Only used where it ends.
std::string LiteralReplace(std::string text, const std::string& pattern, const std::string& replacement) {
    if (text.empty() || pattern.empty()) {
        return text;
    }
    if (replacement.find(pattern) != std::string::npos) {
        const std::string marker("\x01\x02\x03\x04\x05\x01", 6);
        return LiteralReplace(LiteralReplace(text, pattern, marker), marker, replacement);
    }
    for (auto at = text.find(pattern); at != std::string::npos; at = text.find(pattern)) {
        text.replace(at, pattern.size(), replacement);
    }
    return text;
}

std::vector<std::string> WordsUpTo(std::size_t maxLength) {
    std::vector<std::string> words = {""};
    for (std::size_t begin = 0; words.back().size() < maxLength;) {
        const std::size_t end = words.size();
        for (std::size_t i = begin; i < end; ++i) {
            words.push_back(words[i] + "a");
            words.push_back(words[i] + "b");
        }
        begin = end;
    }
    return words;
}

TEST(ReplaceTextTest, AgreesWithTheLiteralRuleOnEverySmallText) {
    const std::vector<std::string> words = WordsUpTo(6);
    int compared = 0;
    for (const auto& pattern : WordsUpTo(2)) {
        for (const auto& replacement : WordsUpTo(3)) {
            // Those that end for certain: the text shrinks, or the marker is used.
            if (replacement.size() >= pattern.size() && replacement.find(pattern) == std::string::npos) {
                continue;
            }
            for (const auto& source : words) {
                ASSERT_EQ(Replace_Text(source, pattern, replacement), LiteralReplace(source, pattern, replacement))
                    << "\"" << source << "\" \"" << pattern << "\" -> \"" << replacement << "\"";
                ++compared;
            }
        }
    }
    EXPECT_GT(compared, 1000);
}

TEST(ReplaceTextTest, EndsWhereTheLiteralRuleWouldNot) {
    const std::string marker("\x01\x02\x03\x04\x05\x01", 6);
    const std::string first = marker.substr(0, 1);
    ExpectReplacements({
        // Each replacement forms the pattern again with the "a" before it, growing the text for ever;
        // a single pass is given instead.
        {"aab", "ab", "bbaa", "abbaa"},
        {"aaab", "ab", "bbaa", "aabbaa"},
        // The marker itself, or part of it, as the pattern.
        {"x" + marker + "y", marker, marker + marker, "x" + marker + marker + "y"},
        {first + "a" + first, first, first + first, first + first + "a" + first + first},
        // The marker inside the replacement.
        {"a-b", "-", "-" + marker, "a-" + marker + "b"},
        // A text that already holds the marker keeps it.
        {"x" + marker + "a", "a", "aa", "x" + marker + "aa"},
    });
}

TEST(ReplaceTextTest, EndsForALongTextThatKeepsGrowing) {
    const std::string source = std::string(2000, 'a') + "b";
    const std::string result = Replace_Text(source, "ab", "bbaa");
    EXPECT_EQ(result, std::string(1999, 'a') + "bbaa");
}

TEST(ReplaceTextTest, RemovesFromALongTextInOneSweep) {
    std::string source;
    for (int i = 0; i < 200000; ++i) {
        source += "a:";
    }
    EXPECT_EQ(Replace_Text(source, ":", ""), std::string(200000, 'a'));
    EXPECT_EQ(Replace_Text(std::string(100000, 'a') + std::string(100000, 'b'), "ab", ""), "");
}

}  // namespace
}  // namespace orvanta
