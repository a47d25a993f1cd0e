// An in-memory registry for tests: a tree of keys under HKEY_CURRENT_USER, access that can
// be refused per key, and any of the five calls made to fail.
#pragma once

#include "platform/Registry.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

class FakeRegistry final : public reg::IRegistry {
public:
    enum class Call { CreateKey, OpenKey, QueryValue, SetValue, CloseKey };
    enum class Access { Full, ReadOnly, None };
    struct Value {
        std::uint32_t Type;
        std::vector<unsigned char> Data;
    };

    // Paths are relative to HKEY_CURRENT_USER, with backslashes: "vemko\\vemko".
    void AddKey(const std::string& path, Access access = Access::Full);
    void SetAccess(const std::string& path, Access access) { FKeys.at(path).Permission = access; }
    void PutValue(const std::string& path, const std::string& name, std::uint32_t type, std::vector<unsigned char> data);
    void PutText(const std::string& path, const std::string& name, const std::string& text);
    bool KeyExists(const std::string& path) const { return FKeys.count(path) != 0; }
    std::optional<Value> GetValue(const std::string& path, const std::string& name) const;
    std::size_t ValueCount(const std::string& path) const;

    // Call number nth (counted from 1 from now on) of the kind fails with status; nth 0: every call.
    void Fail(Call call, reg::Status status = reg::AccessDenied, int nth = 0);
    int Calls(Call call) const { return FCalls[static_cast<int>(call)]; }
    std::size_t OpenHandles() const { return FHandles.size(); }
    // The value names set so far, in order.
    std::vector<std::string> Written;

    reg::Status CreateKey(reg::Key parent, const std::string& subKey, std::uint32_t access, reg::Key* result) override;
    reg::Status OpenKey(reg::Key parent, const std::string& subKey, std::uint32_t access, reg::Key* result) override;
    reg::Status QueryValue(reg::Key key, const std::string& name, std::uint32_t* type, unsigned char* data,
                           std::uint32_t* size) override;
    reg::Status SetValue(reg::Key key, const std::string& name, std::uint32_t type, const unsigned char* data,
                         std::uint32_t size) override;
    reg::Status CloseKey(reg::Key key) override;

private:
    struct KeyNode {
        Access Permission = Access::Full;
        std::map<std::string, Value> Values;
    };
    struct Handle {
        std::string Path;
        std::uint32_t Granted;
    };
    struct Failure {
        Call Kind;
        reg::Status Status;
        int Nth;   // 0: every call
        int Start; // calls of the kind made before Fail
    };

    std::optional<reg::Status> Injected(Call call);
    std::optional<std::string> PathOf(reg::Key key) const;
    bool Allows(const KeyNode& node, std::uint32_t access) const;
    reg::Key NewHandle(const std::string& path, std::uint32_t access);

    std::map<std::string, KeyNode> FKeys{{"", KeyNode{}}};
    std::map<reg::Key, Handle> FHandles;
    std::vector<Failure> FFailures;
    int FCalls[5] = {};
    reg::Key FNextHandle = 0x1000;
};
