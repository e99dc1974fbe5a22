#include "assoc/default_command.h"

#include <windows.h>

#include "text/path.h"
#include "text/str.h"

size_t BuildDefaultCommandLine(char* buffer)
{
    char path[PATH_BUFFER_SIZE];
    const DWORD n = GetModuleFileNameA(GetModuleHandleA(NULL), path, sizeof path);
    // Older systems leave a cut path unterminated; a failure leaves nothing.
    path[n < sizeof path ? n : sizeof path - 1] = '\0';
    const char* const pieces[] = {"\"", path, "\"", " ", "\"", "%1", "\""};
    size_t length = 0;
    for (const char* piece : pieces) {
        length += CmdLineAppend(buffer, length, piece);
    }
    if (buffer) {
        buffer[length] = '\0';
    }
    return length + 1;
}
