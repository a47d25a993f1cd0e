// The registry as the settings store sees it: five calls behind a narrow interface, and
// TRegIniFile, the INI-style wrapper with sections as subkeys. Pure C++: the advapi32
// implementation lives in WinRegistry, an in-memory one in the tests.
#pragma once

#include "SysUtils.h"

#include <cstdint>
#include <string>

namespace reg {

using Key = std::uintptr_t; // an open key handle, or one of the predefined roots
using Status = long;        // ERROR_SUCCESS (0) or a Win32 error code

constexpr Key CurrentUser = 0x80000001;           // HKEY_CURRENT_USER
constexpr std::uint32_t AllAccess = 0xF003F;      // KEY_ALL_ACCESS
constexpr std::uint32_t ReadAccess = 0x20019;     // KEY_READ
constexpr std::uint32_t TypeNone = 0, TypeSz = 1, TypeExpandSz = 2, TypeBinary = 3,
                        TypeDword = 4, TypeMultiSz = 7, TypeQword = 11;
constexpr Status Success = 0, FileNotFound = 2, AccessDenied = 5, MoreData = 234;

class IRegistry {
public:
    virtual ~IRegistry() = default;
    // RegCreateKeyExA: create the subkey or open it when it exists.
    virtual Status CreateKey(Key parent, const std::string& subKey, std::uint32_t access, Key* result) = 0;
    // RegOpenKeyExA: open an existing subkey.
    virtual Status OpenKey(Key parent, const std::string& subKey, std::uint32_t access, Key* result) = 0;
    // RegQueryValueExA: with data null, only the type and the size; size is in and out.
    virtual Status QueryValue(Key key, const std::string& name, std::uint32_t* type,
                              unsigned char* data, std::uint32_t* size) = 0;
    // RegSetValueExA.
    virtual Status SetValue(Key key, const std::string& name, std::uint32_t type,
                            const unsigned char* data, std::uint32_t size) = 0;
    // RegCloseKey.
    virtual Status CloseKey(Key key) = 0;
};

} // namespace reg

class ERegistryException : public Exception {
public:
    using Exception::Exception;
};

// A store handle: a key under HKEY_CURRENT_USER, opened when the handle is made and kept
// open for its whole life, with sections as subkeys. Reads and writes go to the registry
// every time; nothing is cached and nothing is flushed.
class TRegIniFile {
public:
    TRegIniFile(reg::IRegistry& registry, const std::string& fileName);
    ~TRegIniFile();
    TRegIniFile(const TRegIniFile&) = delete;
    TRegIniFile& operator=(const TRegIniFile&) = delete;

    std::string ReadString(const std::string& section, const std::string& ident, const std::string& def) const;
    void WriteString(const std::string& section, const std::string& ident, const std::string& value);

    bool HasOpenKey() const { return FOpenKey != 0; }

private:
    reg::Key Base() const { return FOpenKey ? FOpenKey : reg::CurrentUser; }

    reg::IRegistry& FRegistry;
    reg::Key FOpenKey = 0;
};
