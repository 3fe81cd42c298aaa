#include <gtest/gtest.h>

#include "toolkit/platform.h"

int main(int argc, char** argv) {
    orvanta::toolkit::InitialiseCommonControls();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
