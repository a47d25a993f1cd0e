#include "FakeRegistry.h"

#include <cstring>

namespace {
constexpr std::uint32_t QueryRight = 0x1, SetRight = 0x2, CreateSubKeyRight = 0x4;
constexpr reg::Status InvalidHandle = 6;

std::string Join(const std::string& parent, const std::string& sub) { return parent.empty() ? sub : parent + "\\" + sub; }
} // namespace

void FakeRegistry::AddKey(const std::string& path, Access access) {
    // Every key on the way exists too.
    for (std::size_t p = path.find('\\'); p != std::string::npos; p = path.find('\\', p + 1)) FKeys[path.substr(0, p)];
    FKeys[path].Permission = access;
}

void FakeRegistry::PutValue(const std::string& path, const std::string& name, std::uint32_t type,
                            std::vector<unsigned char> data) {
    if (!KeyExists(path)) AddKey(path);
    FKeys[path].Values[name] = Value{type, std::move(data)};
}

void FakeRegistry::PutText(const std::string& path, const std::string& name, const std::string& text) {
    std::vector<unsigned char> data(text.begin(), text.end());
    data.push_back(0);
    PutValue(path, name, reg::TypeSz, std::move(data));
}

std::optional<FakeRegistry::Value> FakeRegistry::GetValue(const std::string& path, const std::string& name) const {
    const auto key = FKeys.find(path);
    if (key == FKeys.end()) return std::nullopt;
    const auto value = key->second.Values.find(name);
    if (value == key->second.Values.end()) return std::nullopt;
    return value->second;
}

std::size_t FakeRegistry::ValueCount(const std::string& path) const {
    const auto key = FKeys.find(path);
    return key == FKeys.end() ? 0 : key->second.Values.size();
}

void FakeRegistry::Fail(Call call, reg::Status status, int nth) {
    FFailures.push_back({call, status, nth, FCalls[static_cast<int>(call)]});
}

std::optional<reg::Status> FakeRegistry::Injected(Call call) {
    const int count = ++FCalls[static_cast<int>(call)];
    for (const Failure& f : FFailures)
        if (f.Kind == call && (f.Nth == 0 || count - f.Start == f.Nth)) return f.Status;
    return std::nullopt;
}

std::optional<std::string> FakeRegistry::PathOf(reg::Key key) const {
    if (key == reg::CurrentUser) return std::string();
    const auto h = FHandles.find(key);
    if (h == FHandles.end()) return std::nullopt;
    return h->second.Path;
}

bool FakeRegistry::Allows(const KeyNode& node, std::uint32_t access) const {
    switch (node.Permission) {
    case Access::Full: return true;
    case Access::ReadOnly: return (access & ~reg::ReadAccess) == 0;
    case Access::None: return false;
    }
    return false;
}

reg::Key FakeRegistry::NewHandle(const std::string& path, std::uint32_t access) {
    const reg::Key key = FNextHandle++;
    FHandles[key] = Handle{path, access};
    return key;
}

reg::Status FakeRegistry::CreateKey(reg::Key parent, const std::string& subKey, std::uint32_t access, reg::Key* result) {
    *result = 0;
    if (auto status = Injected(Call::CreateKey)) return *status;
    const auto parentPath = PathOf(parent);
    if (!parentPath) return InvalidHandle;
    const std::string path = Join(*parentPath, subKey);
    if (!KeyExists(path)) {
        const bool parentGrants = parent == reg::CurrentUser || (FHandles.at(parent).Granted & CreateSubKeyRight);
        if (!parentGrants || !Allows(FKeys.at(*parentPath), reg::AllAccess)) return reg::AccessDenied;
        FKeys[path];
    }
    if (!Allows(FKeys.at(path), access)) return reg::AccessDenied;
    *result = NewHandle(path, access);
    return reg::Success;
}

reg::Status FakeRegistry::OpenKey(reg::Key parent, const std::string& subKey, std::uint32_t access, reg::Key* result) {
    *result = 0;
    if (auto status = Injected(Call::OpenKey)) return *status;
    const auto parentPath = PathOf(parent);
    if (!parentPath) return InvalidHandle;
    const std::string path = Join(*parentPath, subKey);
    if (!KeyExists(path)) return reg::FileNotFound;
    if (!Allows(FKeys.at(path), access)) return reg::AccessDenied;
    *result = NewHandle(path, access);
    return reg::Success;
}

reg::Status FakeRegistry::QueryValue(reg::Key key, const std::string& name, std::uint32_t* type, unsigned char* data,
                                     std::uint32_t* size) {
    if (auto status = Injected(Call::QueryValue)) return *status;
    const auto h = FHandles.find(key);
    if (h == FHandles.end()) return InvalidHandle;
    if (!(h->second.Granted & QueryRight)) return reg::AccessDenied;
    const auto value = GetValue(h->second.Path, name);
    if (!value) return reg::FileNotFound;
    *type = value->Type;
    const auto needed = static_cast<std::uint32_t>(value->Data.size());
    if (data) {
        if (*size < needed) {
            *size = needed;
            return reg::MoreData;
        }
        if (needed) std::memcpy(data, value->Data.data(), needed);
    }
    *size = needed;
    return reg::Success;
}

reg::Status FakeRegistry::SetValue(reg::Key key, const std::string& name, std::uint32_t type, const unsigned char* data,
                                   std::uint32_t size) {
    if (auto status = Injected(Call::SetValue)) return *status;
    const auto h = FHandles.find(key);
    if (h == FHandles.end()) return InvalidHandle;
    if (!(h->second.Granted & SetRight)) return reg::AccessDenied;
    FKeys[h->second.Path].Values[name] = Value{type, std::vector<unsigned char>(data, data + size)};
    Written.push_back(name);
    return reg::Success;
}

reg::Status FakeRegistry::CloseKey(reg::Key key) {
    if (auto status = Injected(Call::CloseKey)) return *status;
    return FHandles.erase(key) ? reg::Success : InvalidHandle;
}
