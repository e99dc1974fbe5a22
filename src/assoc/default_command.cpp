#include "assoc/default_command.h"

#include "base/module_path.h"
#include "text/path.h"
#include "text/str.h"

size_t BuildDefaultCommandLine(char* buffer)
{
    char path[PATH_BUFFER_SIZE];
    GetModulePath(GetModuleHandleA(nullptr), path);
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
