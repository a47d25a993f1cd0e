// Start-up, the main window, and its menu commands, on the real program.
#include "Scenarios.h"

#include <algorithm>
#include <cstring>
#include <optional>

using namespace drv;
using namespace e2e;

namespace {

struct FirstRun {
    const char* name;
    std::optional<std::string> storedExe; // none: no value at all
    bool prompted;
    std::string chosen;                    // empty: the file dialog is cancelled
    std::optional<std::string> exeAfter;   // none: still no value
};

void PrintTo(const FirstRun& c, std::ostream* os) { *os << c.name; }

class LauncherFirstRun : public Clean, public ::testing::WithParamInterface<FirstRun> {};

TEST_P(LauncherFirstRun, PromptsOnlyWithoutAnExecutable) {
    const FirstRun& c = GetParam();
    if (c.storedExe) StoreText("exe", *c.storedExe);
    Launcher app;
    if (c.prompted) {
        HWND box = app.WaitForMessageBox();
        ASSERT_NE(box, nullptr);
        EXPECT_FALSE(HasIcon(box));
        EXPECT_EQ(app.VisibleWindows().size(), 1u) << "the main window is not shown before the prompt";
        ConfirmMessage(app, FirstRunText);
        std::string shown = "?";
        AnswerFileDialog(app, c.chosen, &shown);
        EXPECT_EQ(shown, "") << "the dialog opens with an empty file name";
    }
    HWND main = app.MainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(StoredText("exe"), c.exeAfter);
    EXPECT_TRUE(StoreKeyExists());
}

const FirstRun FirstRuns[] = {
    {"EmptyStoreCancelled", std::nullopt, true, "", std::nullopt},
    {"EmptyStoreFileChosen", std::nullopt, true, GamePath, GamePath},
    {"EmptyPathStored", "", true, "", ""},
    {"PathStored", "C:\\Games\\SWAT4\\swat4x.exe", false, "", "C:\\Games\\SWAT4\\swat4x.exe"},
    {"ChosenFileNeedNotExist", std::nullopt, true, "D:\\Nowhere\\swat4x.exe", "D:\\Nowhere\\swat4x.exe"},
};
INSTANTIATE_TEST_SUITE_P(Start, LauncherFirstRun, ::testing::ValuesIn(FirstRuns),
                         [](const auto& info) { return std::string(info.param.name); });

class LauncherMainWindow : public Clean {
protected:
    void SetUp() override {
        Clean::SetUp();
        StoreText("exe", GamePath);
    }
};

TEST_F(LauncherMainWindow, IsCentredFixedAndSizedAsLaidOut) {
    Launcher app;
    HWND main = app.MainWindow();
    ASSERT_NE(main, nullptr);
    ExpectCentredWithClient(main, 269, 127);
    const LONG style = GetWindowLongA(main, GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_NE(GetMenu(main), nullptr);
    // The join button and the footer with the web host.
    bool button = false, footer = false;
    for (HWND child : Children(main, "Vemko.Control")) {
        button |= Text(child) == "Join full server";
        footer |= Text(child) == "vemko.example";
    }
    EXPECT_TRUE(button);
    EXPECT_TRUE(footer);
}

TEST_F(LauncherMainWindow, AboutShowsFourLinesSeparatedByCarriageReturns) {
    Launcher app;
    HWND main = app.MainWindow();
    ASSERT_NE(main, nullptr);
    ChooseMenu(main, 2);
    HWND box = app.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    const std::string text = MessageText(box);
    EXPECT_FALSE(HasIcon(box));
    EXPECT_EQ(text.find('\n'), std::string::npos);
    std::vector<std::string> lines;
    for (std::size_t start = 0;;) {
        const std::size_t cr = text.find('\r', start);
        lines.push_back(text.substr(start, cr - start));
        if (cr == std::string::npos) break;
        start = cr + 1;
    }
    ASSERT_EQ(lines.size(), 4u) << text;
    EXPECT_EQ(lines[0], "Vemko");
    EXPECT_FALSE(lines[1].empty());
    EXPECT_EQ(lines[2], "vemko.example");
    EXPECT_EQ(lines[3], "v1.2");
    ConfirmMessage(app, text);
    EXPECT_TRUE(app.Running());
}

struct Ending {
    const char* name;
    void (*end)(HWND main);
};

void PrintTo(const Ending& c, std::ostream* os) { *os << c.name; }

class LauncherEnds : public LauncherMainWindow, public ::testing::WithParamInterface<Ending> {};

TEST_P(LauncherEnds, WithoutWritingAnything) {
    Launcher app;
    HWND main = app.MainWindow();
    ASSERT_NE(main, nullptr);
    const auto pwd = StoredText("pwd");
    StoreText("ip", "192.0.2.44"); // a value the program must not write back on the way out
    GetParam().end(main);
    EXPECT_TRUE(app.WaitForExit(5000));
    EXPECT_EQ(StoredText("ip"), "192.0.2.44");
    EXPECT_EQ(StoredText("pwd"), pwd);
    EXPECT_EQ(StoredText("exe"), GamePath);
}

const Ending Endings[] = {
    {"ExitCommand", [](HWND main) { ChooseMenu(main, 0, 1); }},
    {"CloseBox", [](HWND main) { ClickCloseBox(main); }},
    {"AltF4",
     [](HWND main) {
         Activate(main);
         Key(VK_F4, false, true);
     }},
};
INSTANTIATE_TEST_SUITE_P(End, LauncherEnds, ::testing::ValuesIn(Endings),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LauncherMainWindow, LocateOpensOnTheStoredPathAndKeepsItWhenCancelled) {
    InstallFakeGame(GameFolder, "swat4.exe"); // the dialog opens in the stored file's folder
    Launcher app;
    HWND main = app.MainWindow();
    ASSERT_NE(main, nullptr);
    std::string shown;
    ChooseMenu(main, 0, 0);
    AnswerFileDialog(app, "", &shown);
    EXPECT_EQ(shown, "swat4.exe");
    EXPECT_EQ(StoredText("exe"), GamePath);

    ChooseMenu(main, 0, 0);
    AnswerFileDialog(app, "C:\\Games\\TSS\\swat4x.exe");
    ExpectStored("exe", "C:\\Games\\TSS\\swat4x.exe");
    EXPECT_TRUE(app.Running());
}

class LauncherStart : public Clean {};

TEST_F(LauncherStart, LocatesAfterACancelledFirstRun) {
    Launcher app;
    ConfirmMessage(app, FirstRunText);
    AnswerFileDialog(app, "");
    HWND main = app.MainWindow();
    ASSERT_NE(main, nullptr);
    std::string shown = "?";
    ChooseMenu(main, 0, 0);
    AnswerFileDialog(app, GamePath, &shown);
    EXPECT_EQ(shown, "");
    ExpectStored("exe", GamePath);
}

// The stand-in game answers for web addresses while this lives, so that an opening is seen.
class WebHandler {
public:
    WebHandler() {
        const std::string handler = InstallFakeGame("C:\\vemko-e2e", "browser.exe");
        RegCreateKeyExA(HKEY_CLASSES_ROOT, "http\\shell\\open\\command", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &FKey,
                        nullptr);
        LONG size = sizeof FPrevious;
        RegQueryValueA(FKey, nullptr, FPrevious, &size);
        const std::string command = '"' + handler + "\" \"%1\"";
        RegSetValueExA(FKey, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                       static_cast<DWORD>(command.size() + 1));
    }
    ~WebHandler() {
        RegSetValueExA(FKey, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(FPrevious),
                       static_cast<DWORD>(strlen(FPrevious) + 1));
        RegCloseKey(FKey);
    }
    WebHandler(const WebHandler&) = delete;
    WebHandler& operator=(const WebHandler&) = delete;

private:
    HKEY FKey = nullptr;
    char FPrevious[1024] = {};
};

HWND FooterOf(HWND main) { return ChildWithText(main, "vemko.example"); }

TEST_F(LauncherMainWindow, FooterOpensTheWebSiteFromAnywhereOnTheStrip) {
    WebHandler web;
    Launcher app;
    HWND main = app.MainWindow();
    ASSERT_NE(main, nullptr);
    HWND footer = FooterOf(main);
    ASSERT_NE(footer, nullptr);
    Click(footer, 3, 3); // a corner, away from the text
    ASSERT_TRUE(WaitUntil([] { return !Launches().empty(); }, 10000));
    EXPECT_NE(Launches().front().CommandLine.find("http://vemko.example/"), std::string::npos)
        << Launches().front().CommandLine;
    EXPECT_TRUE(app.Running());
}

TEST_F(LauncherMainWindow, FooterOpensOnlyForAPressAndAReleaseBothOnTheStrip) {
    WebHandler web;
    Launcher app;
    HWND main = app.MainWindow();
    ASSERT_NE(main, nullptr);
    HWND footer = FooterOf(main), body = ChildWithText(main, "");
    ASSERT_NE(footer, nullptr);
    ASSERT_NE(body, nullptr);
    Drag(footer, 5, 5, body, 20, 20);
    Drag(body, 20, 20, footer, 5, 5);
    Drag(body, 30, 30, footer, 10, 5);
    Settle(1500);
    EXPECT_TRUE(Launches().empty()) << "a press and a release apart are no click";
    Click(footer, 5, 5); // the strip still works
    EXPECT_TRUE(WaitUntil([] { return Launches().size() == 1; }, 10000));
}

TEST_F(LauncherMainWindow, FooterIsABlueUnderlinedLink) {
    Launcher app;
    HWND main = app.MainWindow();
    ASSERT_NE(main, nullptr);
    HWND footer = FooterOf(main);
    ASSERT_NE(footer, nullptr);
    Activate(main);
    const Shot shot = Capture(footer);
    const COLORREF blue = RGB(0, 0, 255);
    // The caption's ink is blue, and one row of it runs under the whole text: the underline.
    int left = shot.Width, right = -1, longestRow = 0;
    for (int y = 0; y < shot.Height; ++y) {
        int row = 0;
        for (int x = 0; x < shot.Width; ++x) {
            if (shot.At(x, y) != blue) continue;
            ++row;
            left = std::min(left, x);
            right = std::max(right, x);
        }
        longestRow = std::max(longestRow, row);
    }
    ASSERT_GT(shot.Count(blue), 40) << "no blue text";
    EXPECT_EQ(shot.Count(GetSysColor(COLOR_BTNTEXT)), 0) << "no text in the button-text colour";
    EXPECT_GE(longestRow, (right - left + 1) * 9 / 10) << "no underline";
    EXPECT_GT(right - left, 40);
}

} // namespace
