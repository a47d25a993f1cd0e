// The small part of the class library's run-time helpers that the program uses.
// Pure C++: no windows.h here, so it is tested natively.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Base of every error the program raises and shows in the application's error box.
class Exception {
public:
    explicit Exception(std::string message) : Message(std::move(message)) {}
    virtual ~Exception() = default;
    std::string Message;
};

// The class library's string-to-integer conversion: optional leading blanks, an optional
// sign, then decimal digits or a "$", "x" or "0x" prefix (either case) and hex digits.
// Anything else, an empty text, a trailing blank or a 32-bit overflow is rejected.
// Hex digits may fill all 32 bits ("$FFFFFFFF" is -1); decimal must fit a signed 32 bits.
std::optional<std::int32_t> TryStrToInt(std::string_view s);
std::int32_t StrToIntDef(std::string_view s, std::int32_t def);

// The folder part of a path: up to and including the last backslash or colon, or the
// empty text when it has neither. isLeadByte tells the first byte of a double-byte
// character, whose second byte is never taken for a separator.
using LeadBytePredicate = bool (*)(unsigned char);
std::string ExtractFilePath(std::string_view path, LeadBytePredicate isLeadByte);

// The text the error box shows for a message: a "." is added when the last character
// sorts after ".", so "Failed to create key vemko" ends with a full stop and a message
// ending in a quote is left alone.
std::string ErrorBoxText(std::string_view message);
