// The program's version, in one place: the About message, the version resource, the
// manifest and the release archive's name take it from here.
#pragma once

#define VEMKO_VERSION_MAJOR 1
#define VEMKO_VERSION_MINOR 2
#define VEMKO_VERSION "1.2"
