// The settings store against Wine's real registry.
#include "platform/Registry.h"
#include "platform/WinRegistry.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

class StoreOnWine : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, "vemko"), RegDeleteKeyA(HKEY_CURRENT_USER, "vemko"); }
    static bool KeyExists(const char* path) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
        RegCloseKey(key);
        return true;
    }
    static DWORD Count(const char* path, bool subKeys) {
        HKEY key = nullptr;
        DWORD keys = 0, values = 0;
        RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key);
        RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &keys, nullptr, nullptr, &values, nullptr, nullptr, nullptr, nullptr);
        RegCloseKey(key);
        return subKeys ? keys : values;
    }
    static std::pair<DWORD, std::string> Raw(const char* name) {
        HKEY key = nullptr;
        RegOpenKeyExA(HKEY_CURRENT_USER, "vemko\\vemko", 0, KEY_READ, &key);
        DWORD type = 0, size = 0;
        RegQueryValueExA(key, name, nullptr, &type, nullptr, &size);
        std::string data(size, '\0');
        RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
        RegCloseKey(key);
        return {type, data};
    }
    static void PutRaw(const char* name, DWORD type, const std::string& data) {
        HKEY key = nullptr;
        RegCreateKeyExA(HKEY_CURRENT_USER, "vemko\\vemko", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
        RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(data.data()), static_cast<DWORD>(data.size()));
        RegCloseKey(key);
    }
    WinRegistry registry;
};

TEST_F(StoreOnWine, OpenMakesTheStoreKeyAndReadsCreateNothing) {
    TRegIniFile store(registry, "vemko");
    EXPECT_TRUE(KeyExists("vemko"));
    EXPECT_EQ(Count("vemko", true), 0u);
    EXPECT_EQ(Count("vemko", false), 0u);
    EXPECT_EQ(store.ReadString("vemko", "pwd", "rombek"), "rombek");
    EXPECT_EQ(store.ReadString("vemko", "exe", ""), "");
    EXPECT_FALSE(KeyExists("vemko\\vemko"));
}

TEST_F(StoreOnWine, WritesTextValuesOfNPlusOneBytesInTheSection) {
    TRegIniFile store(registry, "vemko");
    store.WriteString("vemko", "exe", "C:\\Games\\SWAT4\\swat4.exe");
    store.WriteString("vemko", "pwd", "");
    EXPECT_TRUE(KeyExists("vemko\\vemko"));
    EXPECT_EQ(Count("vemko", false), 0u) << "nothing in the store key itself";
    EXPECT_EQ(Raw("exe"), std::make_pair(DWORD{REG_SZ}, std::string("C:\\Games\\SWAT4\\swat4.exe\0", 25)));
    EXPECT_EQ(Raw("pwd"), std::make_pair(DWORD{REG_SZ}, std::string(1, '\0')));
    EXPECT_EQ(store.ReadString("vemko", "pwd", "rombek"), "");
}

TEST_F(StoreOnWine, AWriteThroughOneHandleIsReadThroughTheOther) {
    TRegIniFile main(registry, "vemko"), dialog(registry, "vemko");
    dialog.WriteString("vemko", "ip", "192.0.2.7");
    EXPECT_EQ(main.ReadString("vemko", "ip", "0.0.0.0"), "192.0.2.7");
    dialog.WriteString("vemko", "ip", "192.0.2.8");
    EXPECT_EQ(main.ReadString("vemko", "ip", "0.0.0.0"), "192.0.2.8");
}

TEST_F(StoreOnWine, ValueTypes) {
    PutRaw("exe", REG_EXPAND_SZ, std::string("%SystemRoot%\\swat4.exe\0", 23));
    PutRaw("prt", REG_DWORD, std::string("\x50\x29\0\0", 4));
    PutRaw("ip", REG_BINARY, "");
    PutRaw("pwd", REG_SZ, std::string("ab\0cd\0", 6));
    TRegIniFile store(registry, "vemko");
    EXPECT_EQ(store.ReadString("vemko", "exe", ""), "%SystemRoot%\\swat4.exe");
    EXPECT_EQ(store.ReadString("vemko", "ip", "0.0.0.0"), "");
    EXPECT_EQ(store.ReadString("vemko", "pwd", "rombek"), "ab");
    try {
        store.ReadString("vemko", "prt", "10480");
        ADD_FAILURE() << "no error";
    } catch (const ERegistryException& e) {
        EXPECT_EQ(e.Message, "Invalid data type for 'prt'");
    }
}

} // namespace
