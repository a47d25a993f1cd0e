// The registry calls of the settings store on advapi32.
#pragma once

#include "Registry.h"

class WinRegistry final : public reg::IRegistry {
public:
    reg::Status CreateKey(reg::Key parent, const std::string& subKey, std::uint32_t access, reg::Key* result) override;
    reg::Status OpenKey(reg::Key parent, const std::string& subKey, std::uint32_t access, reg::Key* result) override;
    reg::Status QueryValue(reg::Key key, const std::string& name, std::uint32_t* type, unsigned char* data,
                           std::uint32_t* size) override;
    reg::Status SetValue(reg::Key key, const std::string& name, std::uint32_t type, const unsigned char* data,
                         std::uint32_t size) override;
    reg::Status CloseKey(reg::Key key) override;
};
