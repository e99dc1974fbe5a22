#pragma once
// The command line a new menu entry runs, and the icon it shows.
#include <stddef.h>

// "<program path>" "%1" into buffer (CMDLINE_BUFFER_SIZE bytes), or with a null
// buffer only measured. Returns the size including the terminator; 0, and the
// empty string, when this program's path has no exact ANSI form (no command
// line could name it).
size_t BuildDefaultCommandLine(char* buffer);
// "<program path>",0: this program's first icon, in the form Explorer reads
// from a verb's Icon value; quoted, so a path with spaces or commas stays
// whole. Same buffer, result and refusal as the command line.
size_t BuildIconLocation(char* buffer);
