// Long input and abrupt ends, on the real program.
#include "Scenarios.h"

using namespace drv;
using namespace e2e;

namespace {

class RobustLongInput : public Clean {
protected:
    void SetUp() override {
        Clean::SetUp();
        InstallFakeGame(GameFolder, "swat4.exe");
        StoreText("exe", GamePath);
    }
};

void PutClipboard(const std::string& text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    memcpy(GlobalLock(mem), text.c_str(), text.size() + 1);
    GlobalUnlock(mem);
    SetClipboardData(CF_TEXT, mem);
    CloseClipboard();
}

TEST_F(RobustLongInput, AHundredThousandCharacterPasswordIsStoredWholeAndItsJoinStillEnds) {
    StoreText("ip", "192.0.2.10");
    std::string password(100000, 'p');
    for (std::size_t i = 0; i < password.size(); i += 7) password[i] = static_cast<char>('a' + i % 26);
    PutClipboard(password);
    Launcher app;
    HWND main = MainWindowOf(app);
    ASSERT_NE(main, nullptr);
    HWND dialog = OpenSetup(app, main);
    ASSERT_NE(dialog, nullptr);
    Key(VK_INSERT, true); // Shift+Insert pastes over the selected text
    ASSERT_TRUE(WaitUntil([&] { return StoredText("pwd") == password; }, 20000))
        << "stored " << StoredText("pwd").value_or("(none)").size() << " characters";
    Key(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(dialog); }, 5000));
    // The command line is longer than the system takes (32,767 characters): nothing starts,
    // and the launcher ends all the same.
    HWND button = ChildWithText(main, "Join full server");
    ClickCentre(button);
    for (int i = 0; i < 3 && !app.WaitForExit(3000); ++i)
        if (HWND box = app.WaitForMessageBox(500)) { // whatever the shell says is its own
            Activate(box);
            Key(VK_RETURN);
        }
    EXPECT_TRUE(app.WaitForExit(10000));
    Settle(1000);
    EXPECT_TRUE(Launches().empty()) << "no game with a cut password";
}

TEST_F(RobustLongInput, A32000CharacterAddressFromTheStore) {
    StoreText("ip", "10.0.0." + std::string(32000 - 7, '9'));
    Launcher app;
    HWND main = MainWindowOf(app);
    ASSERT_NE(main, nullptr);
    ClickCentre(ChildWithText(main, "Join full server"));
    ASSERT_TRUE(app.WaitForExit(10000));
    ASSERT_TRUE(WaitUntil([] { return !Launches().empty(); }, 10000));
    EXPECT_EQ(Arguments(Launches()[0].CommandLine), "10.0.0.0?Password=rombek") << "the overflowing part reads 0";
    EXPECT_EQ(StoredText("ip")->size(), 32000u) << "the store keeps the text until the address is edited";
}

struct Edit {
    const char* name;
    void (*edit)(const Launcher&, HWND main);
    const char* value;
    const char* expected;
};

void PrintTo(const Edit& e, std::ostream* os) { *os << e.name; }

class RobustAbruptEnd : public Clean, public ::testing::WithParamInterface<Edit> {};

TEST_P(RobustAbruptEnd, KeepsEveryCompletedChange) {
    const Edit& e = GetParam();
    StoreText("exe", GamePath);
    {
        Launcher app;
        HWND main = MainWindowOf(app);
        ASSERT_NE(main, nullptr);
        e.edit(app, main);
        ExpectStored(e.value, e.expected); // the change has completed
    } // ended by force, with no chance to save anything
    Launcher again;
    ASSERT_NE(MainWindowOf(again), nullptr);
    EXPECT_EQ(StoredText(e.value), e.expected) << "and the next start keeps it";
}

const Edit Edits[] = {
    {"Password", [](const Launcher& app, HWND main) { OpenSetup(app, main); Type("kept"); }, "pwd", "kept"},
    {"Port",
     [](const Launcher& app, HWND main) {
         OpenSetup(app, main);
         Key(VK_TAB, true); // back from the password: the OK button, then the port
         Key(VK_TAB, true);
         Type("2001");
     },
     "prt", "2001"},
    {"Address",
     [](const Launcher& app, HWND main) {
         OpenSetup(app, main);
         Key(VK_TAB);
         Type("192.0.2.99");
     },
     "ip", "192.0.2.99"},
    {"Locate",
     [](const Launcher& app, HWND main) {
         ChooseMenu(main, 0, 0);
         AnswerFileDialog(app, "C:\\Games\\TSS\\swat4x.exe");
     },
     "exe", "C:\\Games\\TSS\\swat4x.exe"},
};
INSTANTIATE_TEST_SUITE_P(Edits, RobustAbruptEnd, ::testing::ValuesIn(Edits),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
