#include "JoinParameters.h"

#include <optional>

namespace {

constexpr unsigned GamePort = 10480;

// A port the game must be told: 1 to 65535 in decimal digits, and not the game's own.
std::optional<unsigned> ExplicitPort(const std::string& text) {
    if (text.empty()) return std::nullopt;
    unsigned value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<unsigned>(c - '0');
        if (value > 65535) return std::nullopt;
    }
    if (value < 1 || value > 65535 || value == GamePort) return std::nullopt;
    return value;
}

} // namespace

std::string JoinParameters(const std::string& address, const std::string& port, const std::string& password) {
    std::string parameters = address;
    if (const auto p = ExplicitPort(port)) parameters += ':' + std::to_string(*p);
    return parameters + "?Password=" + password;
}

bool FitsCommandLine(const std::string& exe, const std::string& parameters) {
    constexpr std::size_t MaxCommandLine = 32767;
    return exe.size() + 2 + 1 + parameters.size() + 1 <= MaxCommandLine; // quotes, blank, zero
}
