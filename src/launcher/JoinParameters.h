// The parameters a join hands to the game. Pure C++, tested natively.
#pragma once

#include <string>

// The address, then ":" and the port when the port is a decimal number from 1 to 65535
// other than the game's own 10480, then "?Password=" and the password. Nothing is
// quoted, escaped or trimmed.
std::string JoinParameters(const std::string& address, const std::string& port, const std::string& password);
