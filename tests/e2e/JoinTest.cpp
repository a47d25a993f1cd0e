// Joining a server on the real program, with the stand-in game.
#include "Scenarios.h"

#include <optional>

using namespace drv;
using namespace e2e;

namespace {

struct Join {
    const char* name;
    const char* ip;   // stored; null: none
    const char* prt;  // stored; null: none
    const char* pwd;  // stored; null: none
    std::string expectedArguments;
};

void PrintTo(const Join& c, std::ostream* os) { *os << c.name; }

class JoinServer : public Clean {};
class JoinServerWith : public JoinServer, public ::testing::WithParamInterface<Join> {};

void ClickJoin(HWND main) {
    HWND button = ChildWithText(main, "Join full server");
    ASSERT_NE(button, nullptr);
    ClickCentre(button);
}

TEST_P(JoinServerWith, StartsTheGameInItsFolderAndEnds) {
    const Join& c = GetParam();
    InstallFakeGame(GameFolder, "swat4.exe");
    StoreText("exe", GamePath);
    if (c.ip) StoreText("ip", c.ip);
    if (c.prt) StoreText("prt", c.prt);
    if (c.pwd) StoreText("pwd", c.pwd);
    Launcher app;
    HWND main = MainWindowOf(app);
    ASSERT_NE(main, nullptr);
    ClickJoin(main);
    ASSERT_TRUE(app.WaitForExit(10000)) << "the launcher ends after the join";
    ASSERT_TRUE(WaitUntil([] { return !Launches().empty(); }, 10000));
    const auto launches = Launches();
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(Arguments(launches[0].CommandLine), c.expectedArguments) << launches[0].CommandLine;
    EXPECT_EQ(launches[0].Folder, GameFolder);
}

const Join Joins[] = {
    {"AddressAndPassword", "192.0.2.10", nullptr, "secret", "192.0.2.10?Password=secret"},
    {"DefaultPassword", "192.0.2.10", nullptr, nullptr, "192.0.2.10?Password=rombek"},
    {"EmptyPassword", "192.0.2.10", "10480", "", "192.0.2.10?Password="},
    {"BlanksAndQuotesPassUnchanged", "192.0.2.10", nullptr, "two \"quoted\" words", "192.0.2.10?Password=two \"quoted\" words"},
    {"AddressNormalised", "10.0.0.300", nullptr, "x", "10.0.0.44?Password=x"},
    {"OtherPort", "192.0.2.10", "10580", "x", "192.0.2.10:10580?Password=x"},
    {"GamePortLeftOut", "192.0.2.10", "10480", "x", "192.0.2.10?Password=x"},
};
INSTANTIATE_TEST_SUITE_P(Joins, JoinServerWith, ::testing::ValuesIn(Joins),
                         [](const auto& info) { return std::string(info.param.name); });

class JoinPrecondition : public Clean {};

TEST_F(JoinPrecondition, WithNothingLocatedOnlyAsksForTheExecutable) {
    Launcher app;
    ConfirmMessage(app, FirstRunText);
    AnswerFileDialog(app, "");
    HWND main = MainWindowOf(app);
    ASSERT_NE(main, nullptr);
    ClickJoin(main);
    ConfirmMessage(app, "Locate the main executable first !");
    Settle(500);
    EXPECT_EQ(app.WaitForWindow("Server Setup", 500), nullptr) << "no dialog follows";
    EXPECT_TRUE(app.Running());
    EXPECT_TRUE(Launches().empty());
}

TEST_F(JoinPrecondition, WithoutAnAddressAsksForTheSettingsAndLaunchesNothing) {
    InstallFakeGame(GameFolder, "swat4.exe");
    StoreText("exe", GamePath);
    Launcher app;
    HWND main = MainWindowOf(app);
    ASSERT_NE(main, nullptr);
    ClickJoin(main);
    ConfirmMessage(app, "Please set server IP, port and admin password !");
    HWND dialog = app.WaitForWindow("Server Setup");
    ASSERT_NE(dialog, nullptr);
    Key(VK_TAB); // to the address
    Type("192.0.2.10");
    Key(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(dialog); }, 5000));
    Settle(500);
    EXPECT_TRUE(app.Running());
    EXPECT_TRUE(Launches().empty()) << "the join waits for the next click";

    ClickJoin(main); // the address now comes from the field
    ASSERT_TRUE(app.WaitForExit(10000));
    ASSERT_TRUE(WaitUntil([] { return !Launches().empty(); }, 10000));
    EXPECT_EQ(Arguments(Launches()[0].CommandLine), "192.0.2.10?Password=rombek");
}

TEST_F(JoinServer, TakesTheFieldsAsEditedWithoutARestart) {
    InstallFakeGame(GameFolder, "swat4.exe");
    StoreText("exe", GamePath);
    StoreText("ip", "192.0.2.10");
    Launcher app;
    HWND main = MainWindowOf(app);
    ASSERT_NE(main, nullptr);
    HWND dialog = OpenSetup(app, main);
    ASSERT_NE(dialog, nullptr);
    Type("fresh");
    Key(VK_TAB); // into the address, each part selected as Tab reaches it
    for (const char* part : {"10", "20", "30"}) {
        Type(part);
        Key(VK_TAB);
    }
    Type("40");
    Key(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(dialog); }, 5000));
    StoreText("pwd", "stale"); // the join reads the field, not the store
    ClickJoin(main);
    ASSERT_TRUE(app.WaitForExit(10000));
    ASSERT_TRUE(WaitUntil([] { return !Launches().empty(); }, 10000));
    EXPECT_EQ(Arguments(Launches()[0].CommandLine), "10.20.30.40?Password=fresh");
}

TEST_F(JoinServer, WithAPathThatNamesNoFileStillEnds) {
    StoreText("exe", "C:\\Nowhere\\swat4.exe");
    StoreText("ip", "192.0.2.10");
    Launcher app;
    HWND main = MainWindowOf(app);
    ASSERT_NE(main, nullptr);
    ClickJoin(main);
    // Whatever the shell shows for the missing file is its own; the launcher ends regardless.
    EXPECT_TRUE(app.WaitForExit(10000));
    EXPECT_TRUE(Launches().empty());
}

} // namespace
