// Resource ids shared by the resource script and the code.
#pragma once

#define IDI_CLIKPAD 101
#define IDB_IMAGE1 102
