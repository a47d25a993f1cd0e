// The settings store's rules, over the in-memory registry.
#include "FakeRegistry.h"
#include "platform/Registry.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

namespace {

using Call = FakeRegistry::Call;
using Access = FakeRegistry::Access;
constexpr const char* Store = "vemko";
constexpr const char* Section = "vemko\\vemko";

std::vector<unsigned char> Bytes(std::string_view s) { return {s.begin(), s.end()}; }

std::string ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const ERegistryException& e) {
        return e.Message;
    }
    return "(no error)";
}

TEST(Store, FirstOpenCreatesOnlyTheStoreKeyAndReadsGiveTheDefaults) {
    FakeRegistry r;
    TRegIniFile store(r, settings::StoreKey);
    EXPECT_TRUE(r.KeyExists(Store));
    EXPECT_EQ(r.ValueCount(Store), 0u);
    EXPECT_EQ(store.ReadString(settings::Section, settings::Exe, settings::ExeDefault), "");
    EXPECT_EQ(store.ReadString(settings::Section, settings::Ip, settings::IpDefault), "0.0.0.0");
    EXPECT_EQ(store.ReadString(settings::Section, settings::Prt, settings::PrtDefault), "10480");
    EXPECT_EQ(store.ReadString(settings::Section, settings::Pwd, settings::PwdDefault), "rombek");
    EXPECT_FALSE(r.KeyExists(Section)) << "no read creates the section key";
    EXPECT_EQ(r.OpenHandles(), 1u) << "only the store key stays open";
}

TEST(Store, WriteCreatesTheSectionAndStoresTextWithOneZeroByte) {
    FakeRegistry r;
    TRegIniFile store(r, "vemko");
    store.WriteString("vemko", "pwd", "abc");
    store.WriteString("vemko", "prt", "");
    ASSERT_TRUE(r.GetValue(Section, "pwd"));
    EXPECT_EQ(r.GetValue(Section, "pwd")->Type, reg::TypeSz);
    EXPECT_EQ(r.GetValue(Section, "pwd")->Data, Bytes(std::string_view("abc\0", 4)));
    EXPECT_EQ(r.GetValue(Section, "prt")->Data, Bytes(std::string_view("\0", 1)));
    EXPECT_EQ(r.ValueCount(Store), 0u) << "nothing goes into the store key itself";
    EXPECT_EQ(store.ReadString("vemko", "prt", "10480"), "") << "an empty text is not the default";
    EXPECT_EQ(r.OpenHandles(), 1u);
}

TEST(Store, AValuePutIntoTheStoreKeyItselfIsNeverRead) {
    FakeRegistry r;
    r.PutText(Store, "pwd", "wrong level");
    TRegIniFile store(r, "vemko");
    EXPECT_EQ(store.ReadString("vemko", "pwd", "rombek"), "rombek");
}

TEST(Store, ReadRules) {
    struct Case {
        const char* what;
        std::optional<std::uint32_t> type; // none: the value is missing
        std::string data;
        std::string result; // or the error message
    };
    const Case cases[] = {
        {"missing value", std::nullopt, "", "default"},
        {"text", reg::TypeSz, std::string("abc\0", 4), "abc"},
        {"text without its zero byte", reg::TypeSz, "abc", "abc"},
        {"embedded zero", reg::TypeSz, std::string("ab\0cd\0", 6), "ab"},
        {"empty text", reg::TypeSz, std::string("\0", 1), ""},
        {"expandable text, unexpanded", reg::TypeExpandSz, std::string("%SystemRoot%\\x\0", 15), "%SystemRoot%\\x"},
        {"no data, text", reg::TypeSz, "", ""},
        {"no data, number", reg::TypeDword, "", ""},
        {"no data, binary", reg::TypeBinary, "", ""},
        {"number", reg::TypeDword, std::string("\x50\x29\0\0", 4), "Invalid data type for 'prt'"},
        {"binary", reg::TypeBinary, "abc", "Invalid data type for 'prt'"},
        {"multi text", reg::TypeMultiSz, std::string("a\0b\0\0", 5), "Invalid data type for 'prt'"},
        {"none with data", reg::TypeNone, "x", "Invalid data type for 'prt'"},
        {"qword", reg::TypeQword, std::string(8, '\1'), "Invalid data type for 'prt'"},
        {"unknown type", 0x1234, "xyz", "Invalid data type for 'prt'"},
    };
    for (const auto& c : cases) {
        FakeRegistry r;
        r.AddKey(Section);
        if (c.type) r.PutValue(Section, "prt", *c.type, Bytes(c.data));
        TRegIniFile store(r, "vemko");
        std::string got;
        const std::string error = ErrorOf([&] { got = store.ReadString("vemko", "prt", "default"); });
        EXPECT_EQ(error == "(no error)" ? got : error, c.result) << c.what;
        EXPECT_EQ(r.OpenHandles(), 1u) << c.what << ": the section key is closed in every outcome";
    }
}

TEST(Store, ReadErrors) {
    FakeRegistry r;
    r.PutText(Section, "pwd", "secret");
    TRegIniFile store(r, "vemko");

    r.Fail(Call::QueryValue, reg::AccessDenied, 2); // the size is known, the data cannot be fetched
    EXPECT_EQ(ErrorOf([&] { store.ReadString("vemko", "pwd", "rombek"); }), "Failed to get data for 'pwd'");
    EXPECT_EQ(r.OpenHandles(), 1u);

    r.Fail(Call::QueryValue, reg::AccessDenied, 1); // the size query fails: as if missing
    EXPECT_EQ(store.ReadString("vemko", "pwd", "rombek"), "rombek");
}

TEST(Store, AMissingOrClosedSectionGivesTheDefault) {
    FakeRegistry r;
    r.PutText(Section, "pwd", "secret");
    r.SetAccess(Section, Access::None);
    TRegIniFile store(r, "vemko");
    EXPECT_EQ(store.ReadString("vemko", "pwd", "rombek"), "rombek");
}

TEST(Store, WriteErrors) {
    struct Case {
        const char* what;
        Call call;
        int nth;
        const char* message;
    };
    const Case cases[] = {
        {"section key cannot be created", Call::CreateKey, 1, "Failed to create key vemko"},
        {"section key created but cannot be opened", Call::OpenKey, 1, "Failed to create key vemko"},
        {"value cannot be set", Call::SetValue, 1, "Failed to set data for 'pwd'"},
    };
    for (const auto& c : cases) {
        FakeRegistry r;
        r.PutText(Section, "pwd", "before");
        TRegIniFile store(r, "vemko");
        r.Fail(c.call, reg::AccessDenied, c.nth);
        EXPECT_EQ(ErrorOf([&] { store.WriteString("vemko", "pwd", "after"); }), c.message) << c.what;
        EXPECT_EQ(r.GetValue(Section, "pwd")->Data, Bytes(std::string_view("before\0", 7))) << c.what;
        EXPECT_EQ(r.OpenHandles(), 1u) << c.what;
        store.WriteString("vemko", "pwd", "again"); // the next write works again
        EXPECT_EQ(store.ReadString("vemko", "pwd", ""), "again") << c.what;
    }
}

TEST(Store, AReadOnlySectionStillGivesItsValuesButRefusesWrites) {
    FakeRegistry r;
    r.PutText(Section, "pwd", "secret");
    r.SetAccess(Section, Access::ReadOnly);
    TRegIniFile store(r, "vemko");
    EXPECT_EQ(store.ReadString("vemko", "pwd", "rombek"), "secret");
    EXPECT_EQ(ErrorOf([&] { store.WriteString("vemko", "pwd", "x"); }), "Failed to create key vemko");
    EXPECT_EQ(store.ReadString("vemko", "pwd", "rombek"), "secret");
}

TEST(Store, AReadOnlyStoreKeyStillGivesItsValues) {
    FakeRegistry r;
    r.PutText(Section, "pwd", "secret");
    r.SetAccess(Store, Access::ReadOnly);
    r.SetAccess(Section, Access::ReadOnly);
    TRegIniFile store(r, "vemko");
    EXPECT_TRUE(store.HasOpenKey());
    EXPECT_EQ(store.ReadString("vemko", "pwd", "rombek"), "secret");
    EXPECT_EQ(ErrorOf([&] { store.WriteString("vemko", "pwd", "x"); }), "Failed to create key vemko");
}

TEST(Store, WithoutAStoreKeyTheHandleUsesTheSectionDirectlyUnderTheHive) {
    FakeRegistry r;
    r.Fail(Call::CreateKey, reg::AccessDenied, 1);
    r.Fail(Call::OpenKey, reg::AccessDenied, 1);
    TRegIniFile store(r, "vemko");
    EXPECT_FALSE(store.HasOpenKey());
    store.WriteString("vemko", "pwd", "flat");
    EXPECT_TRUE(r.GetValue(Store, "pwd"));
    EXPECT_FALSE(r.KeyExists(Section));
    EXPECT_EQ(store.ReadString("vemko", "pwd", "rombek"), "flat");
}

TEST(Store, TwoHandlesSeeEachOthersWritesAtOnce) {
    FakeRegistry r;
    TRegIniFile main(r, "vemko"), dialog(r, "vemko");
    dialog.WriteString("vemko", "ip", "192.0.2.1");
    EXPECT_EQ(main.ReadString("vemko", "ip", "0.0.0.0"), "192.0.2.1");
    main.WriteString("vemko", "ip", "192.0.2.2");
    EXPECT_EQ(dialog.ReadString("vemko", "ip", "0.0.0.0"), "192.0.2.2");
}

TEST(Store, ReadsNeedOnlyReadAccessAndWritesAskForFullAccess) {
    // A read opens the section for reading; a write creates and opens it with full access.
    FakeRegistry r;
    r.PutText(Section, "pwd", "secret");
    r.SetAccess(Section, Access::ReadOnly);
    TRegIniFile store(r, "vemko");
    const int opens = r.Calls(Call::OpenKey);
    EXPECT_EQ(store.ReadString("vemko", "pwd", ""), "secret");
    EXPECT_EQ(r.Calls(Call::OpenKey), opens + 1);
    EXPECT_EQ(r.Calls(Call::CreateKey), 1) << "a read creates nothing";
}

} // namespace
