#include "assoc/default_command.h"

#include "base/module_path.h"
#include "text/path.h"
#include "text/str.h"

namespace {

// "<program path>" followed by tail.
size_t BuildProgramLine(char* buffer, const char* tail)
{
    char path[PATH_BUFFER_SIZE];
    // Only a line that names this very program may be written.
    if (!GetModulePath(GetModuleHandleA(nullptr), path)) {
        if (buffer) {
            buffer[0] = '\0';
        }
        return 0;
    }
    const char* const pieces[] = {"\"", path, "\"", tail};
    size_t length = 0;
    for (const char* piece : pieces) {
        length += CmdLineAppend(buffer, length, piece);
    }
    if (buffer) {
        buffer[length] = '\0';
    }
    return length + 1;
}

}  // namespace

size_t BuildDefaultCommandLine(char* buffer)
{
    return BuildProgramLine(buffer, " \"%1\"");
}

size_t BuildIconLocation(char* buffer)
{
    return BuildProgramLine(buffer, ",0");
}
