// The Server Setup dialog on the real program: opened from the menu, typed into, closed.
#include "Scenarios.h"

#include <sddl.h>

#include <cstring>

using namespace drv;
using namespace e2e;

namespace {

class SetupDialog : public Clean {
protected:
    void SetUp() override {
        Clean::SetUp();
        StoreText("exe", GamePath);
    }
    // The dialog's controls: password, the four address parts, port.
    struct Fields {
        HWND password, address, port;
        HWND parts[4];
    };
    static Fields FieldsOf(HWND dialog) {
        Fields f{};
        const auto edits = Children(dialog, "Edit");
        f.address = FindChild(dialog, "SysIPAddress32");
        for (HWND e : edits) {
            if (GetParent(e) == f.address) continue;
            if (SendMessageA(e, EM_GETPASSWORDCHAR, 0, 0) == '*')
                f.password = e;
            else
                f.port = e;
        }
        for (int i = 0; i < 4; ++i) f.parts[i] = FindChild(f.address, "Edit", i);
        return f;
    }
};

TEST_F(SetupDialog, OpensModalCentredAndLaidOut) {
    Launcher app;
    HWND main = MainWindowOf(app);
    HWND dialog = OpenSetup(app, main);
    ASSERT_NE(dialog, nullptr);
    ExpectCentredWithClient(dialog, 280, 140);
    const LONG style = GetWindowLongA(dialog, GWL_STYLE);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_TRUE(GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
    EXPECT_FALSE(IsWindowEnabled(main)) << "the main window waits while the dialog is open";
    EXPECT_NE(ChildWithText(dialog, "Server IP and port"), nullptr);
    EXPECT_NE(ChildWithText(dialog, "Admin password"), nullptr);

    const Fields f = FieldsOf(dialog);
    ASSERT_NE(f.password, nullptr);
    ASSERT_NE(f.port, nullptr);
    ExpectFocus(dialog, f.password, "the password field, first in tab order, has the focus");
    EXPECT_EQ(Text(f.port), "10480");
    const auto selection = SendMessageA(f.password, EM_GETSEL, 0, 0);
    EXPECT_EQ(LOWORD(selection), 0);
    EXPECT_EQ(HIWORD(selection), 6) << "its text, rombek, is selected";
    RECT password{};
    GetWindowRect(f.password, &password);
    EXPECT_EQ(password.right - password.left, 121);
    EXPECT_EQ(password.bottom - password.top, 19);
    EXPECT_FALSE(GetWindowLongA(f.password, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) << "a flat border, no sunken edge";
    EXPECT_TRUE(GetWindowLongA(f.port, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

    Key(VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return Hidden(dialog); }, 5000));
    EXPECT_TRUE(IsWindowEnabled(main));
}

TEST_F(SetupDialog, EveryKeystrokeIsStoredAtOnce) {
    Launcher app;
    HWND main = MainWindowOf(app);
    EXPECT_EQ(StoredText("pwd"), "rombek") << "the first start stores the default password";
    HWND dialog = OpenSetup(app, main);
    ASSERT_NE(dialog, nullptr);
    const Fields f = FieldsOf(dialog);

    // The password replaces the selected text, one write per keystroke.
    for (const char* soFar : {"a", "ab", "abc"}) {
        Type(std::string(1, soFar[std::strlen(soFar) - 1]));
        ExpectStored("pwd", soFar);
    }
    EXPECT_EQ(SendMessageA(f.password, WM_GETTEXTLENGTH, 0, 0), 3);
    EXPECT_EQ(SendMessageA(f.password, EM_GETPASSWORDCHAR, 0, 0), '*');

    // Tab into the address: four parts, Tab between them.
    Key(VK_TAB);
    ExpectFocus(dialog, f.parts[0]);
    for (const char* part : {"10", "0", "0"}) {
        Type(part);
        Key(VK_TAB);
    }
    ExpectFocus(dialog, f.parts[3]);
    Type("7");
    ExpectStored("ip", "10.0.0.7");
    Key(VK_TAB);
    ExpectFocus(dialog, f.port, "Tab from the last part goes to the port");

    // The port takes digits only; its text was selected, so typing replaces it.
    Type("12a3x4");
    ExpectStored("prt", "1234");
    EXPECT_EQ(Text(f.port), "1234");
    Key(VK_BACK);
    ExpectStored("prt", "123");

    // Round the tab order and back.
    Key(VK_TAB);
    Key(VK_TAB);
    ExpectFocus(dialog, f.password, "OK, then back to the password");
    Key(VK_TAB, true);
    Key(VK_TAB, true);
    ExpectFocus(dialog, f.port);
    Key(VK_TAB, true);
    ExpectFocus(dialog, f.parts[3]);

    Key(VK_ESCAPE);
    EXPECT_TRUE(IsWindowVisible(dialog)) << "Escape does not close the dialog";
    Key(VK_TAB);
    Key(VK_RETURN); // in the port field
    EXPECT_TRUE(WaitUntil([&] { return Hidden(dialog); }, 5000));
    ExpectStored("pwd", "abc");
    ExpectStored("ip", "10.0.0.7");
    ExpectStored("prt", "123");
}

TEST_F(SetupDialog, ClosingWritesNothingAndKeepsTheEdits) {
    Launcher app;
    HWND main = MainWindowOf(app);
    HWND dialog = OpenSetup(app, main);
    ASSERT_NE(dialog, nullptr);
    Type("new");
    Key(VK_TAB);
    Key(VK_TAB, true); // back to the password, its text selected again
    ClickCloseBox(dialog);
    ASSERT_TRUE(WaitUntil([&] { return Hidden(dialog); }, 5000));
    ExpectStored("pwd", "new");

    // Opening and closing without an edit writes nothing: a value removed by hand stays away.
    HKEY key = nullptr;
    RegOpenKeyExA(HKEY_CURRENT_USER, "vemko\\vemko", 0, KEY_ALL_ACCESS, &key);
    RegDeleteValueA(key, "pwd");
    RegCloseKey(key);
    dialog = OpenSetup(app, main);
    ASSERT_NE(dialog, nullptr);
    ExpectFocus(dialog, FieldsOf(dialog).password, "the focus is where it was");
    Key(VK_F4, false, true);
    ASSERT_TRUE(WaitUntil([&] { return Hidden(dialog); }, 5000));
    EXPECT_FALSE(Stored("pwd"));
    EXPECT_EQ(SendMessageA(FieldsOf(dialog).password, WM_GETTEXTLENGTH, 0, 0), 3) << "the field keeps its text";
}

TEST_F(SetupDialog, ThePortTakesOnlyDigitsFromAnyInput) {
    Launcher app;
    HWND main = MainWindowOf(app);
    HWND dialog = OpenSetup(app, main);
    ASSERT_NE(dialog, nullptr);
    const Fields f = FieldsOf(dialog);
    Key(VK_TAB, true);
    Key(VK_TAB, true); // past OK to the port, its text selected
    ExpectFocus(dialog, f.port);
    // Typed as a keyboard (or an input method's result) types them: Cyrillic, Thai, Turkish.
    TypeUnicode(L"1\x0431\x0430" L"2\x0E35\x0408\x0130" L"3");
    ExpectStored("prt", "123");
    // Sent straight to the window as Unicode characters, as other programs do.
    for (wchar_t c : {L'\x0431', L'\x0430', L'\x0E35', L'\x0408', L'\x0130', L'\x0663', L'4'})
        SendMessageW(f.port, WM_CHAR, c, 1);
    ExpectStored("prt", "1234");
    EXPECT_EQ(Text(f.port), "1234");
}

// The section key, readable but not writable, while this lives: Wine's registry enforces it.
class ReadOnlySection {
public:
    ReadOnlySection() { Set("D:(A;;KR;;;WD)"); }
    ~ReadOnlySection() { Set("D:(A;;KA;;;WD)"); }
    ReadOnlySection(const ReadOnlySection&) = delete;
    ReadOnlySection& operator=(const ReadOnlySection&) = delete;

private:
    static void Set(const char* sddl) {
        PSECURITY_DESCRIPTOR sd = nullptr;
        ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &sd, nullptr);
        HKEY key = nullptr;
        RegOpenKeyExA(HKEY_CURRENT_USER, "vemko\\vemko", 0, WRITE_DAC | READ_CONTROL, &key);
        EXPECT_EQ(RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, sd), ERROR_SUCCESS);
        RegCloseKey(key);
        LocalFree(sd);
    }
};

TEST_F(SetupDialog, AfterAFailedWriteTheNextKeyLandsInTheSameField) {
    Launcher app;
    HWND main = MainWindowOf(app);
    HWND dialog = OpenSetup(app, main);
    ASSERT_NE(dialog, nullptr);
    const Fields f = FieldsOf(dialog);
    ExpectFocus(dialog, f.password);
    {
        ReadOnlySection readOnly;
        Type("x"); // replaces the selected rombek; its write fails
        HWND box = app.WaitForMessageBox();
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(HasIcon(box));
        ConfirmMessage(app, "Failed to create key vemko.");
        EXPECT_EQ(StoredText("pwd"), "rombek");
    }
    EXPECT_TRUE(IsWindowVisible(dialog)) << "the dialog stays open";
    ExpectFocus(dialog, f.password, "the focus is back in the password field");
    Type("y");
    ExpectStored("pwd", "xy");
}

TEST_F(SetupDialog, AfterAnotherProgramTookTheActivationTheNextKeyLandsInTheSameField) {
    Launcher app;
    HWND main = MainWindowOf(app);
    HWND dialog = OpenSetup(app, main);
    ASSERT_NE(dialog, nullptr);
    const Fields f = FieldsOf(dialog);
    Key(VK_TAB, true);
    Key(VK_TAB, true);
    ExpectFocus(dialog, f.port);
    Type("7");
    ExpectStored("prt", "7");

    // A window of another program (this one) takes the activation, by a click on it.
    HWND other = CreateWindowExA(0, "EDIT", "another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 300, 120,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(other, nullptr);
    Click(other, 50, 30);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    EXPECT_EQ(GetForegroundWindow(), other);

    // Back to the dialog by a click on its caption, as a person would.
    RECT w{};
    GetWindowRect(dialog, &w);
    POINT caption{w.left + 60, w.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2};
    ScreenToClient(dialog, &caption);
    Click(dialog, caption.x, caption.y);
    ExpectFocus(dialog, f.port, "the focus is back in the port field");
    Type("8");
    ExpectStored("prt", "78");
    DestroyWindow(other);
}

TEST_F(SetupDialog, AStoredPasswordOfTheWrongTypeIsReportedAtStartUp) {
    StoreRaw("pwd", REG_DWORD, std::string("\x07\0\0\0", 4));
    Launcher app;
    HWND box = app.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(HasIcon(box)) << "the error box shows the stop sign";
    ConfirmMessage(app, "Invalid data type for 'pwd'"); // a message ending in a quote gets no full stop
    HWND main = MainWindowOf(app);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(Stored("pwd")->Type, static_cast<DWORD>(REG_DWORD)) << "nothing is written over it";
}

} // namespace
