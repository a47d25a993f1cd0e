// The cases that the 32-bit release runs, where each start of the launcher is slow (under
// emulation): a join with stored settings, and an error box at start-up followed by the
// setup dialog typed into and closed.
#include "Scenarios.h"

using namespace drv;
using namespace e2e;

namespace {

class Release : public Clean {};

TEST_F(Release, JoinsWithStoredSettingsAndEnds) {
    InstallFakeGame(GameFolder, "swat4.exe");
    StoreText("exe", GamePath);
    StoreText("ip", "192.0.2.10");
    StoreText("prt", "10580");
    StoreText("pwd", "secret");
    Launcher app;
    HWND main = app.MainWindow(60000);
    ASSERT_NE(main, nullptr);
    HWND button = ChildWithText(main, "Join full server");
    ASSERT_NE(button, nullptr);
    ClickCentre(button);
    ASSERT_TRUE(app.WaitForExit(20000)) << "the launcher ends after the join";
    ASSERT_TRUE(WaitUntil([] { return !Launches().empty(); }, 20000));
    const auto launches = Launches();
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0].CommandLine, "\"C:\\Games\\SWAT4\\swat4.exe\" 192.0.2.10:10580?Password=secret");
    EXPECT_EQ(launches[0].Folder, GameFolder);
}

TEST_F(Release, ReportsAStoredValueOfTheWrongTypeAndGoesOnToTheSetupDialog) {
    StoreText("exe", GamePath);
    StoreRaw("pwd", REG_DWORD, std::string("\x07\0\0\0", 4));
    Launcher app;
    HWND box = app.WaitForMessageBox(60000);
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(HasIcon(box)) << "the error box shows the stop sign";
    ConfirmMessage(app, "Invalid data type for 'pwd'");
    HWND main = app.MainWindow(60000);
    ASSERT_NE(main, nullptr);

    HWND dialog = OpenSetup(app, main);
    ASSERT_NE(dialog, nullptr);
    ExpectCentredWithClient(dialog, 280, 140);
    Type("abc"); // the password field has the focus and its text selected
    ExpectStored("pwd", "abc");
    Key(VK_TAB);
    Type("10"); // the first part of the address
    ExpectStored("ip", "10.0.0.0");
    Key(VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return Hidden(dialog); }, 10000));
    EXPECT_TRUE(IsWindowEnabled(main));
    EXPECT_TRUE(app.Running());
}

} // namespace
