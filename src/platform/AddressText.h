// How the address field reads a text it is given. Pure C++, tested natively.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Split at dots (the fourth piece takes everything after the third dot), convert each
// piece with StrToInt (0 where it is rejected) and keep the low 8 bits.
std::array<std::uint8_t, 4> AddressParts(std::string_view text);
// Four parts as "%d.%d.%d.%d".
std::string FormatAddress(const std::array<std::uint8_t, 4>& parts);
// The text the field shows for a text it is given.
std::string AddressText(std::string_view text);
