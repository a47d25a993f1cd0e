// The standard library's throw helpers, which its inline code (std::string, operator new)
// calls to raise an error. Defined here, the launcher does not link the library's own,
// whose messages bring in the library's copy-on-write string and its standard exception
// classes: about 85 KiB, where the rest of the release is some 124 KiB.
// The errors stay errors: each is thrown, and the application's error box shows it.
// Only the launcher links this file; the test programs use the library's helpers.
#include "../platform/SysUtils.h"

#include <bits/functexcept.h>

#include <new>

namespace std {

void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_length_error(const char* what) { throw Exception(what); }
void __throw_logic_error(const char* what) { throw Exception(what); }
// The library's message with its "%zu" placeholders left in: it names the failed call.
void __throw_out_of_range_fmt(const char* format, ...) { throw Exception(format); }

} // namespace std
