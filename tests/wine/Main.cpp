// The in-process tests run on real windows under Wine, with common controls 6 active
// through the program's own manifest.
#include "platform/Forms.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    Application->Initialize();
    Application->Title = "VEMKO";
    return RUN_ALL_TESTS();
}
