// The parameters a join hands to the game. Pure C++, tested natively.
#pragma once

#include <string>

// The address, then ":" and the port when the port is a decimal number from 1 to 65535
// other than the game's own 10480, then "?Password=" and the password. Nothing is
// quoted, escaped or trimmed.
std::string JoinParameters(const std::string& address, const std::string& port, const std::string& password);

// Whether Windows can start the game with these parameters: a command line ("exe" and the
// parameters) takes at most 32,767 characters with its terminating zero. Windows refuses a
// longer one; Wine cuts it, which would hand the game a cut password.
bool FitsCommandLine(const std::string& exe, const std::string& parameters);
