#include "platform/AddressText.h"

#include <gtest/gtest.h>

TEST(AddressText, NormalisesAnyTextToFourNumbers) {
    const std::pair<const char*, const char*> cases[] = {
        {"192.0.2.10", "192.0.2.10"},
        {"10.0.0.300", "10.0.0.44"},
        {"256.257.0.1", "0.1.0.1"},
        {"-1.0.0.0", "255.0.0.0"},
        {"", "0.0.0.0"},
        {"abc", "0.0.0.0"},
        {"1.2.3", "1.2.3.0"},
        {"1.2.3.4.5", "1.2.3.0"}, // the fourth piece "4.5" is no number
        {"$FF.0x10.x1.7", "255.16.1.7"},
        {" 1. 2. 3. 4", "1.2.3.4"},
        {"1 .2.3.4", "0.2.3.4"}, // a trailing blank is rejected
        {"...", "0.0.0.0"},
        {"1..3.4", "1.0.3.4"},
        {"99999999999.1.1.1", "0.1.1.1"}, // overflow
        {"4294967295.1.1.1", "0.1.1.1"},
        {"0.0.0.0", "0.0.0.0"},
    };
    for (const auto& [text, shown] : cases) EXPECT_EQ(AddressText(text), shown) << '"' << text << '"';
}
