// Where the settings live and what a read gives when a value is missing. Pure C++.
#pragma once

namespace settings {

// HKEY_CURRENT_USER\vemko holds no values; they are in its section subkey vemko.
constexpr const char* StoreKey = "vemko";
constexpr const char* Section = "vemko";

constexpr const char* Exe = "exe"; // full path of the game executable
constexpr const char* Ip = "ip";   // server address, four dotted decimal numbers
constexpr const char* Prt = "prt"; // server port, decimal digits
constexpr const char* Pwd = "pwd"; // admin password

constexpr const char* ExeDefault = "";
constexpr const char* IpDefault = "0.0.0.0";
constexpr const char* PrtDefault = "10480";
constexpr const char* PwdDefault = "rombek";

} // namespace settings
