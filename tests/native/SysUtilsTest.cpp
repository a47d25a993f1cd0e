#include "platform/SysUtils.h"

#include <gtest/gtest.h>

namespace {

struct IntCase {
    const char* text;
    std::optional<std::int32_t> value;
};

TEST(StrToInt, FollowsTheClassLibraryRules) {
    const IntCase cases[] = {
        {"0", 0},          {"42", 42},       {"  7", 7},         {"+5", 5},
        {"-1", -1},        {"$FF", 255},     {"x1f", 31},        {"X1F", 31},
        {"0x10", 16},      {"0X10", 16},     {"-$10", -16},      {"  -0x1", -1},
        {"2147483647", 2147483647},          {"-2147483648", INT32_MIN},
        {"$FFFFFFFF", -1}, {"007", 7},
        // rejected
        {"", std::nullopt},        {" ", std::nullopt},          {"7 ", std::nullopt},
        {"abc", std::nullopt},     {"1a", std::nullopt},         {"-", std::nullopt},
        {"$", std::nullopt},       {"0x", std::nullopt},         {"1.5", std::nullopt},
        {"\t1", std::nullopt},     {"2147483648", std::nullopt}, {"-2147483649", std::nullopt},
        {"$100000000", std::nullopt}, {"99999999999999999999", std::nullopt}, {"+-1", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(TryStrToInt(c.text), c.value) << '"' << c.text << '"';
    EXPECT_EQ(StrToIntDef("junk", 9), 9);
}

bool ShiftJisLead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

TEST(ExtractFilePath, KeepsUpToTheLastBackslashOrColon) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Games\\SWAT4\\swat4.exe", "C:\\Games\\SWAT4\\"},
        {"C:swat4.exe", "C:"},
        {"C:/Games/swat4.exe", "C:"},
        {"swat4.exe", ""},
        {"", ""},
        {"\\\\server\\share\\swat4x.exe", "\\\\server\\share\\"},
        {"C:\\Games\\", "C:\\Games\\"},
    };
    for (const auto& [path, folder] : cases) EXPECT_EQ(ExtractFilePath(path, nullptr), folder) << path;
}

TEST(ExtractFilePath, NeverTakesATrailByteForABackslash) {
    // 0x95 0x5C is one Shift-JIS character whose second byte is the backslash code.
    const std::string path = "C:\\Games\\\x95\x5C" "swat4.exe";
    EXPECT_EQ(ExtractFilePath(path, ShiftJisLead), "C:\\Games\\");
    EXPECT_EQ(ExtractFilePath(path, nullptr), "C:\\Games\\\x95\x5C"); // a single-byte code page
    // A lead byte as the very last byte reads nothing past the end.
    EXPECT_EQ(ExtractFilePath("C:\\a\x95", ShiftJisLead), "C:\\");
}

TEST(ErrorBoxText, AddsAFullStopAfterCharactersThatSortAfterIt) {
    const std::pair<const char*, const char*> cases[] = {
        {"Failed to create key vemko", "Failed to create key vemko."},
        {"Failed to set data for 'pwd'", "Failed to set data for 'pwd'"}, // ' sorts before .
        {"Done.", "Done."},
        {"Really!", "Really!"},
        {"a-", "a-"},
        {"x/", "x/."},
        {"", ""},
        {"\xE9", "\xE9."}, // characters above 127 sort after "." too
    };
    for (const auto& [message, shown] : cases) EXPECT_EQ(ErrorBoxText(message), shown) << message;
}

} // namespace
