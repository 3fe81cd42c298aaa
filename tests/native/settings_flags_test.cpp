#include "core/settings_flags.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace orvanta {
namespace {

// Each row sits at its flag's place, so every flag is read and written once, in the file's order.
TEST(SettingsFlagFieldsTest, HoldsEveryFlagOnceInTheFilesOrder) {
    std::set<std::string> keys;
    for (int index = 0; index < kSettingsFlagCount; ++index) {
        const SettingsFlagField& field = kSettingsFlagFields[static_cast<std::size_t>(index)];
        EXPECT_EQ(static_cast<int>(field.flag), index) << field.key;
        EXPECT_TRUE(keys.insert(field.key).second) << field.key << " is written twice";
    }
}

}  // namespace
}  // namespace orvanta
