// Steps the end-to-end tests share.
#pragma once

#include "Driver.h"

#include <gtest/gtest.h>

namespace e2e {

constexpr char MainTitle[] = "VEMKO (for RUX admin mod)";
constexpr char FirstRunText[] = "Locate the executable file of SWAT4 or any other SWAT4 mod";
constexpr char GameFolder[] = "C:\\Games\\SWAT4";
constexpr char GamePath[] = "C:\\Games\\SWAT4\\swat4.exe";

// Every test starts from an empty store and an empty launch log.
class Clean : public ::testing::Test {
protected:
    void SetUp() override {
        drv::ClearStore();
        drv::ClearLaunches();
    }
};

// The file name box of the open dialog.
inline HWND FileNameBox(HWND dialog) {
    for (int id : {0x47C, 0x480})
        if (HWND box = GetDlgItem(dialog, id)) return box;
    return nullptr;
}

// Closes the message box showing now with Enter, after checking its text.
inline void ConfirmMessage(const drv::Launcher& app, const std::string& text) {
    HWND box = app.WaitForMessageBox();
    ASSERT_NE(box, nullptr) << "no message box: " << text;
    EXPECT_EQ(drv::MessageText(box), text);
    EXPECT_EQ(drv::Text(box), "VEMKO");
    drv::Activate(box);
    drv::Key(VK_RETURN);
    ASSERT_TRUE(drv::WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }, 5000));
}

// In the open dialog that shows now: choose the file, or cancel when file is empty.
inline void AnswerFileDialog(const drv::Launcher& app, const std::string& file, std::string* shownName = nullptr) {
    HWND dialog = app.WaitForWindow("SWAT4 Executable");
    ASSERT_NE(dialog, nullptr) << "no file dialog";
    if (shownName) *shownName = drv::Text(FileNameBox(dialog));
    drv::Activate(dialog);
    if (file.empty()) {
        drv::Key(VK_ESCAPE);
    } else {
        drv::Key(VK_END); // select whatever the box holds, and type over it
        drv::Key(VK_HOME, true);
        drv::Type(file);
        drv::Key(VK_RETURN);
    }
    ASSERT_TRUE(drv::WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, 5000));
}

// A control of the main window or the dialog, found by its text.
inline HWND ChildWithText(HWND parent, const std::string& text) {
    for (HWND child : drv::Children(parent, "Vemko.Control"))
        if (drv::Text(child) == text) return child;
    return nullptr;
}

// The window that has the keyboard focus in the thread of wnd.
inline HWND FocusOf(HWND wnd) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(wnd, nullptr), &info);
    return info.hwndFocus;
}

// Starts with a located game, passes no prompt, and gives the main window.
inline HWND MainWindowOf(const drv::Launcher& app) {
    HWND main = app.MainWindow();
    EXPECT_NE(main, nullptr);
    return main;
}

// Opens Setup > Server and password and gives the dialog.
inline HWND OpenSetup(const drv::Launcher& app, HWND main) {
    drv::ChooseMenu(main, 1, 0);
    HWND dialog = app.WaitForWindow("Server Setup");
    EXPECT_NE(dialog, nullptr);
    return dialog;
}

inline bool Hidden(HWND wnd) { return !IsWindowVisible(wnd); }

// Input reaches the launcher a moment after it is sent: these wait for the expected state
// (a few seconds at most) before they check it.
inline void ExpectStored(const char* name, const std::string& value) {
    drv::WaitUntil([&] { return drv::StoredText(name) == value; }, 5000);
    EXPECT_EQ(drv::StoredText(name), value) << name;
}

inline void ExpectFocus(HWND dialog, HWND expected, const char* why = "") {
    drv::WaitUntil([&] { return FocusOf(dialog) == expected; }, 3000);
    EXPECT_EQ(FocusOf(dialog), expected) << why;
}

// A window centred on the screen, within a pixel, whose client area has this size.
inline void ExpectCentredWithClient(HWND wnd, int width, int height) {
    RECT client{}, window{};
    GetClientRect(wnd, &client);
    GetWindowRect(wnd, &window);
    EXPECT_EQ(client.right, width);
    EXPECT_EQ(client.bottom, height);
    EXPECT_LE(std::abs((window.left + window.right) / 2 - GetSystemMetrics(SM_CXSCREEN) / 2), 1);
    EXPECT_LE(std::abs((window.top + window.bottom) / 2 - GetSystemMetrics(SM_CYSCREEN) / 2), 1);
}

} // namespace e2e
