#include "launcher/JoinParameters.h"

#include <gtest/gtest.h>

TEST(JoinParameters, AddressPortRuleAndPassword) {
    struct Case {
        const char *address, *port, *password, *expected;
    };
    const Case cases[] = {
        {"192.0.2.10", "10480", "", "192.0.2.10?Password="},
        {"192.0.2.10", "10480", "rombek", "192.0.2.10?Password=rombek"},
        {"192.0.2.10", "10580", "rombek", "192.0.2.10:10580?Password=rombek"},
        {"192.0.2.10", "1", "x", "192.0.2.10:1?Password=x"},
        {"192.0.2.10", "65535", "x", "192.0.2.10:65535?Password=x"},
        {"192.0.2.10", "0080", "x", "192.0.2.10:80?Password=x"},
        {"192.0.2.10", "010480", "x", "192.0.2.10?Password=x"}, // still the game's own port
        {"192.0.2.10", "0", "x", "192.0.2.10?Password=x"},
        {"192.0.2.10", "65536", "x", "192.0.2.10?Password=x"},
        {"192.0.2.10", "99999999999999999999", "x", "192.0.2.10?Password=x"},
        {"192.0.2.10", "", "x", "192.0.2.10?Password=x"},
        {"192.0.2.10", "12a", "x", "192.0.2.10?Password=x"},
        {"192.0.2.10", "10480", "two words", "192.0.2.10?Password=two words"},
        {"192.0.2.10", "10480", "say \"hi\" ", "192.0.2.10?Password=say \"hi\" "},
        {"", "10480", "p", "?Password=p"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(JoinParameters(c.address, c.port, c.password), c.expected) << c.port << " / " << c.password;
}

TEST(JoinParameters, CommandLineLimit) {
    const std::string exe = "C:\\Games\\SWAT4\\swat4.exe"; // 24 characters, 26 quoted
    const std::size_t room = 32767 - 26 - 1 - 1;       // the blank and the terminating zero
    EXPECT_TRUE(FitsCommandLine(exe, std::string(room, 'p')));
    EXPECT_FALSE(FitsCommandLine(exe, std::string(room + 1, 'p')));
    EXPECT_TRUE(FitsCommandLine(exe, ""));
    EXPECT_FALSE(FitsCommandLine(std::string(40000, 'x'), ""));
}
