// Bad settings and failing registry calls: every stored value type and size in Wine's real
// registry, and each registry call failing in turn in each handler that uses the store.
// The program must show the specified text or error box, go on, and never crash.
#include "FakeRegistry.h"
#include "WineTest.h"
#include "platform/SysUtils.h"
#include "launcher/Unit1.h"
#include "platform/AddressText.h"
#include "settings/Unit2.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr char FirstRun[] = "Locate the executable file of SWAT4 or any other SWAT4 mod";

// The launcher's two windows, created and started as the program entry does.
struct Program {
    std::unique_ptr<TForm1> main = std::make_unique<TForm1>();
    std::unique_ptr<TForm2> dialog = std::make_unique<TForm2>();
    Program() { Form1 = main.get(); Form2 = dialog.get(); }
    ~Program() { Form1 = nullptr; Form2 = nullptr; }
    void Create() {
        Protect([&] { main->FormCreate(nullptr); });
        Protect([&] { dialog->FormCreate(nullptr); });
    }
    void Show() { Protect([&] { main->FormShow(nullptr); }); }
};

void PutRaw(const char* name, DWORD type, const std::string& data) {
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, "vemko\\vemko", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(data.data()), static_cast<DWORD>(data.size()));
    RegCloseKey(key);
}

TEST(Robustness, EveryValueTypeAndSizeUnderEveryName) {
    const DWORD types[] = {REG_NONE, REG_SZ, REG_EXPAND_SZ, REG_BINARY, REG_DWORD, REG_MULTI_SZ, REG_QWORD, 0x4242};
    const std::size_t sizes[] = {0, 1, 2, 7, 64 * 1024, 1024 * 1024};
    const char* names[] = {"exe", "ip", "prt", "pwd"};
    for (const char* name : names)
        for (DWORD type : types)
            for (std::size_t size : sizes)
                for (bool terminated : {false, true}) {
                    if (terminated && size == 0) continue;
                    // Wine's EDIT takes time quadratic in the length of a long single-line text
                    // that is not a password (64 KiB: 3.5 s, 256 KiB: 56 s), so the port field is
                    // not given a megabyte of text here; the password field, the address and the
                    // path are.
                    if (std::string(name) == "prt" && (type == REG_SZ || type == REG_EXPAND_SZ) && size > 64 * 1024)
                        continue;
                    SCOPED_TRACE(std::string(name) + " type " + std::to_string(type) + " size " + std::to_string(size) +
                                 (terminated ? " with zero" : " without zero"));
                    RegDeleteTreeA(HKEY_CURRENT_USER, "vemko");
                    std::string data(size, '7');
                    for (std::size_t i = 1; i < size; i += 3) data[i] = '.';
                    if (terminated) data.back() = '\0';
                    if (std::string(name) != "exe") PutRaw("exe", REG_SZ, std::string("C:\\swat4.exe", 13));
                    PutRaw(name, type, data);

                    // What the store's rules give for this value.
                    const bool text = type == REG_SZ || type == REG_EXPAND_SZ;
                    const bool error = size > 0 && !text;
                    const std::string read = error ? "" : data.substr(0, data.find('\0'));

                    wt::BoxCatcher boxes;
                    Program program;
                    program.Create();
                    program.Show();
                    std::vector<std::string> expected;
                    if (error) expected.push_back(std::string("Invalid data type for '") + name + "'");
                    const std::string n = name;
                    if (n == "exe" && !error && read.empty()) expected = {FirstRun, "(file dialog)"};
                    EXPECT_EQ(boxes.Texts(), expected);
                    if (n == "ip") {
                        EXPECT_EQ(program.dialog->JvIPAddress1.Text(), error ? "0.0.0.0" : AddressText(read));
                    } else if (n == "prt") {
                        EXPECT_EQ(program.dialog->umValidEdit1.Text(), error ? "10480" : read);
                    } else if (n == "pwd") {
                        EXPECT_EQ(program.dialog->MaskEdit1.Text(), error ? "MaskEdit1" : read);
                    }
                }
    RegDeleteTreeA(HKEY_CURRENT_USER, "vemko");
}

// A handler of the program that uses the store, run on a store holding every value.
struct Handler {
    const char* name;
    std::function<void(Program&)> run;
};

const std::vector<std::string>& StoreMessages() {
    static const std::vector<std::string> messages = [] {
        // As the error box shows them; and a read that fails gives the default, so a
        // failing read of the path brings the first-run prompt, or stops a join.
        std::vector<std::string> m{ErrorBoxText("Failed to create key vemko"), FirstRun,
                                   "Locate the main executable first !"};
        for (const char* value : {"exe", "ip", "prt", "pwd"})
            for (const char* pattern : {"Failed to get data for '", "Invalid data type for '", "Failed to set data for '"})
                m.push_back(ErrorBoxText(std::string(pattern) + value + "'"));
        return m;
    }();
    return messages;
}

TEST(Robustness, EachRegistryCallFailingInTurnInEachHandler) {
    const Handler handlers[] = {
        {"main window creation", [](Program& p) { Protect([&] { p.main->FormCreate(nullptr); }); }},
        {"dialog creation", [](Program& p) { Protect([&] { p.dialog->FormCreate(nullptr); }); }},
        {"start-up fill", [](Program& p) { p.Show(); }},
        {"locate", [](Program& p) { Protect([&] { p.main->LocateSWAT4orTSSgameexecutable1Click(nullptr); }); }},
        {"password change", [](Program& p) { Protect([&] { p.dialog->MaskEdit1.SetText("changed"); }); }},
        {"port change", [](Program& p) { Protect([&] { p.dialog->umValidEdit1.SetText("2001"); }); }},
        {"join",
         [](Program& p) {
             p.dialog->JvIPAddress1.SetText("192.0.2.1");
             Protect([&] { p.main->SpeedButton1Click(nullptr); });
             // A join that gets through ends the application: here the quit request is
             // taken back, so that the tests go on.
             MSG quit;
             while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
             }
         }},
    };
    using Call = FakeRegistry::Call;
    const Call calls[] = {Call::CreateKey, Call::OpenKey, Call::QueryValue, Call::SetValue, Call::CloseKey};
    for (const Handler& h : handlers) {
        // How often the handler makes each call when nothing fails.
        const auto fresh = [](FakeRegistry& r) {
            r.PutText("vemko\\vemko", "exe", "C:\\Nowhere\\swat4.exe"); // a join starts nothing
            r.PutText("vemko\\vemko", "ip", "192.0.2.1");
            r.PutText("vemko\\vemko", "prt", "2000");
            r.PutText("vemko\\vemko", "pwd", "p");
        };
        int counts[5] = {};
        {
            FakeRegistry r;
            fresh(r);
            SetStoreRegistry(&r);
            wt::BoxCatcher boxes;
            Program program;
            if (std::string(h.name) != "main window creation" && std::string(h.name) != "dialog creation") program.Create();
            for (int k = 0; k < 5; ++k) counts[k] = -r.Calls(calls[k]);
            h.run(program);
            for (int k = 0; k < 5; ++k) counts[k] += r.Calls(calls[k]);
            EXPECT_GT(counts[0] + counts[1] + counts[2] + counts[3], 0) << h.name << " uses the store";
            EXPECT_EQ(boxes.Texts(), std::vector<std::string>(std::string(h.name) == "locate" ? 1 : 0, "(file dialog)"))
                << h.name;
        }
        for (int k = 0; k < 5; ++k)
            for (int nth = 1; nth <= counts[k]; ++nth) {
                SCOPED_TRACE(std::string(h.name) + ": call kind " + std::to_string(k) + " number " + std::to_string(nth));
                FakeRegistry r;
                fresh(r);
                SetStoreRegistry(&r);
                wt::BoxCatcher boxes;
                Program program;
                const bool creation = std::string(h.name).find("creation") != std::string::npos;
                if (!creation) program.Create();
                r.Fail(calls[k], reg::AccessDenied, nth);
                h.run(program);
                std::vector<std::string> shown;
                for (const auto& t : boxes.Texts())
                    if (t != "(file dialog)") shown.push_back(t);
                ASSERT_LE(shown.size(), 1u);
                if (!shown.empty()) {
                    EXPECT_NE(std::find(StoreMessages().begin(), StoreMessages().end(), shown[0]), StoreMessages().end())
                        << shown[0];
                }
                if (calls[k] == Call::SetValue) {
                    EXPECT_EQ(shown.size(), 1u) << "a failed write is always reported";
                }
                if (calls[k] == Call::CloseKey) {
                    EXPECT_TRUE(shown.empty()) << "closing is never reported";
                }
                // The program goes on: the same handler works once the registry does.
                wt::BoxCatcher after;
                h.run(program);
                for (const auto& t : after.Texts()) {
                    EXPECT_EQ(t, "(file dialog)");
                }
            }
    }
    SetStoreRegistry(nullptr);
}

} // namespace
