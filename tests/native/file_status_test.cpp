#include "appearance/file_status.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "appearance/factory_defaults.h"

namespace orvanta {
namespace {

TEST(FileStatusTest, AFailedExclusiveOpenIsNamedByItsErrorCode) {
    const std::vector<std::pair<std::uint32_t, std::string>> cases = {
        {32, "OPEN"},      {33, "OPEN"}, {2, "NOT FOUND"}, {3, "NOT FOUND"}, {21, "NOT FOUND"}, {26, "NOT FOUND"},
        {27, "NOT FOUND"}, {5, "ERROR"}, {1, "ERROR"},     {123, "ERROR"},   {34, "ERROR"},     {0xFFFFFFFF, "ERROR"},
    };
    for (const auto& [code, status] : cases) {
        EXPECT_EQ(FileStatusOfOpenError(code), status) << code;
    }
}

TEST(FactoryDefaultsTest, TheQuestionHasFourLinesWithAnEmptyOneBeforeTheLast) {
    const std::string question = RestoreFactoryDefaultsQuestion();
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = question.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(question.substr(start, end - start));
    }
    lines.push_back(question.substr(start));
    ASSERT_EQ(lines.size(), 5u) << question;
    for (const std::size_t line : {0u, 1u, 2u, 4u}) {
        EXPECT_FALSE(lines[line].empty()) << line;
        EXPECT_EQ(lines[line].find('\n'), std::string::npos) << line;
    }
    EXPECT_EQ(lines[3], "");
}

}  // namespace
}  // namespace orvanta
