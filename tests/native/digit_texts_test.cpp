#include "core/digit_texts.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

TEST(DigitTextsTest, OnlyDigitsInTheSamePlacesMayDiffer) {
    const struct {
        const char* a;
        const char* b;
        bool alike;
    } cases[] = {
        {"10:42:09", "10:42:10", true},  {"Mon 7 Dec 23:59", "Mon 7 Dec 00:00", true},
        {"9:59:59", "10:00:00", false},  {"Mon 7 Dec", "Tue 8 Dec", false},
        {"10:42 AM", "10:42 PM", false}, {"", "", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DiffersOnlyInDigits(c.a, c.b), c.alike) << c.a << " / " << c.b;
    }
}

}  // namespace
}  // namespace orvanta
