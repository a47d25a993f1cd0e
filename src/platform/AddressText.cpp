#include "AddressText.h"

#include "SysUtils.h"

std::array<std::uint8_t, 4> AddressParts(std::string_view text) {
    std::array<std::uint8_t, 4> parts{};
    for (std::size_t i = 0; i < parts.size(); ++i) {
        std::string_view piece = text;
        if (i < 3) {
            const auto dot = text.find('.');
            piece = text.substr(0, dot);
            text = dot == std::string_view::npos ? std::string_view{} : text.substr(dot + 1);
        }
        parts[i] = static_cast<std::uint8_t>(StrToIntDef(piece, 0) & 0xFF);
    }
    return parts;
}

std::string FormatAddress(const std::array<std::uint8_t, 4>& p) {
    return std::to_string(p[0]) + '.' + std::to_string(p[1]) + '.' + std::to_string(p[2]) + '.' + std::to_string(p[3]);
}

std::string AddressText(std::string_view text) { return FormatAddress(AddressParts(text)); }
