// The setup dialog in-process: which sets and keystrokes raise change events, what the
// start-up fill writes back, and what a failing write leaves behind.
#include "FakeRegistry.h"
#include "WineTest.h"
#include "launcher/Unit1.h"
#include "settings/Unit2.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class Dialog : public ::testing::Test {
protected:
    void SetUp() override {
        SetStoreRegistry(&registry);
        registry.PutText("vemko\\vemko", "exe", "C:\\Games\\SWAT4\\swat4.exe");
        form = std::make_unique<TForm2>();
        Form2 = form.get();
        form->FormCreate(nullptr);
        Count(form->JvIPAddress1.OnChange, ipChanges);
        Count(form->umValidEdit1.OnChange, portChanges);
        Count(form->MaskEdit1.OnChange, passwordChanges);
    }
    void TearDown() override {
        Form2 = nullptr;
        SetStoreRegistry(nullptr);
    }
    static void Count(TNotifyEvent& event, int& counter) {
        event = [handler = event, &counter](TObject* sender) {
            ++counter;
            handler(sender);
        };
    }
    std::optional<std::string> Stored(const char* name) const {
        const auto v = registry.GetValue("vemko\\vemko", name);
        if (!v) return std::nullopt;
        return std::string(v->Data.begin(), v->Data.end() - 1);
    }
    HWND Part(int i) const {
        HWND p = GetWindow(form->JvIPAddress1.Handle(), GW_CHILD);
        while (i-- > 0) p = GetWindow(p, GW_HWNDNEXT);
        return p;
    }
    // Runs the dialog modally: once its loop runs, the user's actions, then the close box.
    void OpenWith(std::function<void()> actions) {
        Pending = std::move(actions);
        Closing = form->Handle();
        SetTimer(nullptr, 0, 1, Act);
        EXPECT_EQ(form->ShowModal(), mrCancel);
    }
    static void CALLBACK Act(HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        Pending();
        PostMessageA(Closing, WM_CLOSE, 0, 0);
    }
    static inline std::function<void()> Pending;
    static inline HWND Closing = nullptr;

    FakeRegistry registry;
    std::unique_ptr<TForm2> form;
    int ipChanges = 0, portChanges = 0, passwordChanges = 0;
};

TEST_F(Dialog, PortAndPasswordChangeOnEveryChangeOfTheirText) {
    form->umValidEdit1.SetText("10480"); // its text already
    form->MaskEdit1.SetText("MaskEdit1");
    EXPECT_EQ(portChanges + passwordChanges, 0);
    form->umValidEdit1.SetText("2000");
    form->MaskEdit1.SetText("one");
    EXPECT_EQ(portChanges, 1);
    EXPECT_EQ(passwordChanges, 1);
    EXPECT_EQ(Stored("prt"), "2000");
    EXPECT_EQ(Stored("pwd"), "one");
    registry.Written.clear();
    OpenWith([&] {
        EXPECT_EQ(GetFocus(), form->MaskEdit1.Handle()) << "the password field comes first";
        SendMessageA(form->MaskEdit1.Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
        for (char c : std::string("abc")) SendMessageA(form->MaskEdit1.Handle(), WM_CHAR, c, 1);
        SendMessageA(form->umValidEdit1.Handle(), WM_CHAR, 'x', 1); // dropped: no change
        SendMessageA(form->umValidEdit1.Handle(), WM_CHAR, '5', 1);
    });
    EXPECT_EQ(passwordChanges, 5) << "clearing, then a, ab, abc";
    EXPECT_EQ(portChanges, 2);
    EXPECT_EQ(registry.Written, (std::vector<std::string>{"pwd", "pwd", "pwd", "pwd", "prt"}));
    EXPECT_EQ(Stored("pwd"), "abc");
}

TEST_F(Dialog, AddressChangesOnlyForTheUsersEdits) {
    form->JvIPAddress1.SetText("10.0.0.300");
    form->JvIPAddress1.SetText("192.0.2.1");
    EXPECT_EQ(form->JvIPAddress1.Text(), "192.0.2.1");
    OpenWith([] {}); // the first opening
    EXPECT_EQ(ipChanges, 0);
    EXPECT_FALSE(Stored("ip"));

    OpenWith([&] {
        SetFocus(Part(3));
        SendMessageA(Part(3), EM_SETSEL, 1, 1); // after the 1 of the last part
        SendMessageA(Part(3), WM_CHAR, '7', 1);
    });
    EXPECT_EQ(ipChanges, 1);
    EXPECT_EQ(Stored("ip"), "192.0.2.17");

    // A part left blank counts as 0; leaving the field fills it in without a change.
    char part[8] = {};
    OpenWith([&] {
        SetFocus(Part(1));
        SendMessageA(Part(1), EM_SETSEL, 1, 1);
        SendMessageA(Part(1), WM_CHAR, '\b', 1);
        EXPECT_EQ(GetWindowTextLengthA(Part(1)), 0);
        EXPECT_EQ(form->JvIPAddress1.Text(), "192.0.2.17");
        form->umValidEdit1.SetFocus(); // the focus leaves the address
        GetWindowTextA(Part(1), part, sizeof part);
    });
    EXPECT_EQ(ipChanges, 2);
    EXPECT_EQ(Stored("ip"), "192.0.2.17");
    EXPECT_STREQ(part, "0");

    // A field whose parts are all blank reads 0.0.0.0.
    for (int i = 0; i < 4; ++i) SetWindowTextA(Part(i), "");
    EXPECT_EQ(form->JvIPAddress1.Text(), "0.0.0.0");
}

TEST_F(Dialog, TheOkGlyphIsAGreenCheckMarkOnTheButtonFace) {
    const COLORREF silver = RGB(192, 192, 192), green = RGB(0, 128, 0);
    ASSERT_NE(GetSysColor(COLOR_BTNFACE), silver) << "the glyph's own background must differ from the face";
    OpenWith([&] {
        const wt::Shot shot = wt::Capture(form->BitBtn1.Handle());
        int greens = 0, silvers = 0;
        for (COLORREF p : shot.Pixels) {
            greens += p == green;
            silvers += p == silver;
        }
        EXPECT_GT(greens, 20) << "the check mark";
        EXPECT_EQ(silvers, 0) << "the bitmap's background shows as the button face";
    });
}

TEST_F(Dialog, AFailingWriteKeepsTheNewTextAndShowsTheError) {
    wt::BoxCatcher boxes;
    registry.Fail(FakeRegistry::Call::SetValue);
    OpenWith([&] {
        SendMessageA(form->umValidEdit1.Handle(), EM_SETSEL, 5, 5);
        SendMessageA(form->umValidEdit1.Handle(), WM_CHAR, '9', 1);
    });
    EXPECT_EQ(form->umValidEdit1.Text(), "104809");
    EXPECT_FALSE(Stored("prt"));
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Failed to set data for 'prt'"});
}

// The main window's fill of the dialog at start-up, and what it writes back.
struct Fill {
    const char* what;
    std::vector<std::pair<const char*, std::string>> stored; // name, text; a text "#" stores a number
    std::vector<std::string> written;
    const char *ip, *port, *password;
    std::vector<std::string> errors;
};

void PrintTo(const Fill& f, std::ostream* os) { *os << f.what; }

class StartupFill : public Dialog, public ::testing::WithParamInterface<Fill> {};

TEST_P(StartupFill, WritesBackAsTheFieldsChange) {
    const Fill& c = GetParam();
    for (const auto& [name, text] : c.stored) {
        if (text == "#")
            registry.PutValue("vemko\\vemko", name, reg::TypeDword, {7, 0, 0, 0});
        else
            registry.PutText("vemko\\vemko", name, text);
    }
    wt::BoxCatcher boxes;
    TForm1 main;
    main.FormCreate(nullptr);
    registry.Written.clear();
    Protect([&] { main.FormShow(nullptr); });
    EXPECT_EQ(registry.Written, c.written);
    EXPECT_EQ(form->JvIPAddress1.Text(), c.ip);
    EXPECT_EQ(form->umValidEdit1.Text(), c.port);
    EXPECT_EQ(form->MaskEdit1.Text(), c.password);
    EXPECT_EQ(boxes.Texts(), c.errors);
}

const Fill Fills[] = {
    {"FirstStart", {}, {"pwd"}, "0.0.0.0", "10480", "rombek", {}},
    {"GamePort", {{"prt", "10480"}, {"pwd", "p"}}, {"pwd"}, "0.0.0.0", "10480", "p", {}},
    {"OtherPort", {{"prt", "2000"}}, {"prt", "pwd"}, "0.0.0.0", "2000", "rombek", {}},
    {"PasswordLikeTheLayout", {{"pwd", "MaskEdit1"}}, {}, "0.0.0.0", "10480", "MaskEdit1", {}},
    {"AddressNeverWritten", {{"ip", "10.0.0.300"}}, {"pwd"}, "10.0.0.44", "10480", "rombek", {}},
    {"EmptyPassword", {{"pwd", ""}}, {"pwd"}, "0.0.0.0", "10480", "", {}},
    {"PasswordOfWrongType", {{"ip", "192.0.2.1"}, {"pwd", "#"}}, {}, "192.0.2.1", "10480", "MaskEdit1",
     {"Invalid data type for 'pwd'"}},
    {"AddressOfWrongType", {{"ip", "#"}, {"prt", "2000"}, {"pwd", "p"}}, {}, "0.0.0.0", "10480", "MaskEdit1",
     {"Invalid data type for 'ip'"}},
};
INSTANTIATE_TEST_SUITE_P(Start, StartupFill, ::testing::ValuesIn(Fills),
                         [](const auto& info) { return std::string(info.param.what); });

TEST_F(Dialog, AFailingWriteBackEndsTheFillAfterItsField) {
    registry.PutText("vemko\\vemko", "prt", "2000");
    wt::BoxCatcher boxes;
    TForm1 main;
    main.FormCreate(nullptr);
    registry.Fail(FakeRegistry::Call::SetValue);
    Protect([&] { main.FormShow(nullptr); });
    EXPECT_EQ(form->umValidEdit1.Text(), "2000") << "the field took its new text";
    EXPECT_EQ(form->MaskEdit1.Text(), "MaskEdit1") << "the fill ended there";
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Failed to set data for 'prt'"});
}

} // namespace
