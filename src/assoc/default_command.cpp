#include "assoc/default_command.h"

#include "base/module_path.h"
#include "text/path.h"
#include "text/str.h"

size_t BuildDefaultCommandLine(char* buffer)
{
    char path[PATH_BUFFER_SIZE];
    // Only a command that runs this very program may be offered.
    if (!GetModulePath(GetModuleHandleA(nullptr), path)) {
        if (buffer) {
            buffer[0] = '\0';
        }
        return 0;
    }
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
