#include "SysUtils.h"

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

std::optional<std::int32_t> TryStrToInt(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';

    bool hex = false;
    if (i < s.size() && (s[i] == '$' || s[i] == 'x' || s[i] == 'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i == s.size()) return std::nullopt; // no digits at all

    std::uint64_t value = 0;
    for (; i < s.size(); ++i) {
        const int d = hex ? HexDigit(s[i]) : (s[i] >= '0' && s[i] <= '9' ? s[i] - '0' : -1);
        if (d < 0) return std::nullopt;
        value = value * (hex ? 16 : 10) + static_cast<unsigned>(d);
        if (value > 0xFFFFFFFFull) return std::nullopt;
    }
    if (!hex) {
        const std::uint64_t limit = negative ? 0x80000000ull : 0x7FFFFFFFull;
        if (value > limit) return std::nullopt;
    }
    auto bits = static_cast<std::uint32_t>(value);
    if (negative) bits = 0u - bits;
    return static_cast<std::int32_t>(bits);
}

std::int32_t StrToIntDef(std::string_view s, std::int32_t def) {
    return TryStrToInt(s).value_or(def);
}

std::string ExtractFilePath(std::string_view path, LeadBytePredicate isLeadByte) {
    std::size_t cut = 0; // length of the folder part
    for (std::size_t i = 0; i < path.size(); ++i) {
        const auto c = static_cast<unsigned char>(path[i]);
        if (c == '\\' || c == ':') {
            cut = i + 1;
        } else if (isLeadByte && isLeadByte(c) && i + 1 < path.size()) {
            ++i; // the trail byte belongs to this character
        }
    }
    return std::string(path.substr(0, cut));
}

std::string ErrorBoxText(std::string_view message) {
    std::string text(message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
    return text;
}
