#pragma once
// The command line a new menu entry runs, and the icon it shows, naming this
// program by its exact UTF-16 path.
#include <stddef.h>

// "<program path>" "%1" into buffer (CMDLINE_BUFFER_SIZE units), or with a
// null buffer only measured. Returns the size including the terminator; 0,
// and the empty string, when this program's path cannot be read or does not
// fit in a command line (a cut line would name another file).
size_t BuildDefaultCommandLine(wchar_t* buffer);
// "<program path>",0: this program's first icon, in the form Explorer reads
// from a verb's Icon value; quoted, so a path with spaces or commas stays
// whole. Same buffer, result and refusal as the command line.
size_t BuildIconLocation(wchar_t* buffer);
// "<program path>": what COM starts to serve this program's class. The same
// again.
size_t BuildServerLocation(wchar_t* buffer);
