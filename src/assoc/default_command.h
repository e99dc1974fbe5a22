#pragma once
// The command line a new menu entry runs.
#include <stddef.h>

// "<program path>" "%1" into buffer (CMDLINE_BUFFER_SIZE bytes), or with a null
// buffer only measured. Returns the size including the terminator.
size_t BuildDefaultCommandLine(char* buffer);
