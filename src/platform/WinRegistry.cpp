#include "WinRegistry.h"

#include <windows.h>

namespace {
HKEY H(reg::Key key) { return reinterpret_cast<HKEY>(key); }
} // namespace

reg::Status WinRegistry::CreateKey(reg::Key parent, const std::string& subKey, std::uint32_t access, reg::Key* result) {
    HKEY key = nullptr;
    const LONG status = RegCreateKeyExA(H(parent), subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                                        nullptr, &key, nullptr);
    *result = reinterpret_cast<reg::Key>(key);
    return status;
}

reg::Status WinRegistry::OpenKey(reg::Key parent, const std::string& subKey, std::uint32_t access, reg::Key* result) {
    HKEY key = nullptr;
    const LONG status = RegOpenKeyExA(H(parent), subKey.c_str(), 0, access, &key);
    *result = reinterpret_cast<reg::Key>(key);
    return status;
}

reg::Status WinRegistry::QueryValue(reg::Key key, const std::string& name, std::uint32_t* type, unsigned char* data,
                                    std::uint32_t* size) {
    DWORD t = 0, s = *size;
    const LONG status = RegQueryValueExA(H(key), name.c_str(), nullptr, &t, data, &s);
    *type = t;
    *size = s;
    return status;
}

reg::Status WinRegistry::SetValue(reg::Key key, const std::string& name, std::uint32_t type, const unsigned char* data,
                                  std::uint32_t size) {
    return RegSetValueExA(H(key), name.c_str(), 0, type, data, size);
}

reg::Status WinRegistry::CloseKey(reg::Key key) { return RegCloseKey(H(key)); }
