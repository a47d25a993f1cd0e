#include "Registry.h"

#include <algorithm>
#include <vector>

namespace {

// A key opened for one read or write, closed however the operation ends.
class ScopedKey {
public:
    explicit ScopedKey(reg::IRegistry& registry) : FRegistry(registry) {}
    ~ScopedKey() { if (FKey) FRegistry.CloseKey(FKey); }
    ScopedKey(const ScopedKey&) = delete;
    ScopedKey& operator=(const ScopedKey&) = delete;
    reg::Key* Out() { return &FKey; }
    reg::Key Get() const { return FKey; }

private:
    reg::IRegistry& FRegistry;
    reg::Key FKey = 0;
};

std::string Format(const char* pattern, const std::string& name) {
    std::string text(pattern);
    text.replace(text.find("%s"), 2, name);
    return text;
}

// The store's error messages.
constexpr const char* CreateKeyFailed = "Failed to create key %s";
constexpr const char* GetDataFailed = "Failed to get data for '%s'";
constexpr const char* InvalidDataType = "Invalid data type for '%s'";
constexpr const char* SetDataFailed = "Failed to set data for '%s'";

} // namespace

TRegIniFile::TRegIniFile(reg::IRegistry& registry, const std::string& fileName) : FRegistry(registry) {
    // Full access when the user has it; a key the user may only read still serves reads.
    reg::Key key = 0;
    if (FRegistry.CreateKey(reg::CurrentUser, fileName, reg::AllAccess, &key) == reg::Success ||
        FRegistry.OpenKey(reg::CurrentUser, fileName, reg::ReadAccess, &key) == reg::Success)
        FOpenKey = key;
}

TRegIniFile::~TRegIniFile() {
    if (FOpenKey) FRegistry.CloseKey(FOpenKey);
}

std::string TRegIniFile::ReadString(const std::string& section, const std::string& ident,
                                    const std::string& def) const {
    // Reading needs no more than read access, and never creates a key.
    ScopedKey key(FRegistry);
    if (FRegistry.OpenKey(Base(), section, reg::ReadAccess, key.Out()) != reg::Success) return def;

    std::uint32_t type = 0, size = 0;
    if (FRegistry.QueryValue(key.Get(), ident, &type, nullptr, &size) != reg::Success) return def;
    if (size == 0) return {};

    std::vector<unsigned char> data(size);
    if (FRegistry.QueryValue(key.Get(), ident, &type, data.data(), &size) != reg::Success)
        throw ERegistryException(Format(GetDataFailed, ident));
    if (type != reg::TypeSz && type != reg::TypeExpandSz)
        throw ERegistryException(Format(InvalidDataType, ident));

    std::string text(reinterpret_cast<const char*>(data.data()), std::min<std::size_t>(size, data.size()));
    if (const auto zero = text.find('\0'); zero != std::string::npos) text.resize(zero);
    return text;
}

void TRegIniFile::WriteString(const std::string& section, const std::string& ident, const std::string& value) {
    {
        ScopedKey created(FRegistry);
        if (FRegistry.CreateKey(Base(), section, reg::AllAccess, created.Out()) != reg::Success)
            throw ERegistryException(Format(CreateKeyFailed, section));
    }
    ScopedKey key(FRegistry);
    if (FRegistry.OpenKey(Base(), section, reg::AllAccess, key.Out()) != reg::Success)
        throw ERegistryException(Format(CreateKeyFailed, section));

    const auto* bytes = reinterpret_cast<const unsigned char*>(value.c_str());
    if (FRegistry.SetValue(key.Get(), ident, reg::TypeSz, bytes, static_cast<std::uint32_t>(value.size() + 1)) != reg::Success)
        throw ERegistryException(Format(SetDataFailed, ident));
}
