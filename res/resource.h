// Resource identifiers of the program's one .rc file.
#pragma once

#define IDB_JOIN 101 // the join button's game controller, 38 x 24
#define IDB_OK 102   // the OK button's check mark, 16 x 16
