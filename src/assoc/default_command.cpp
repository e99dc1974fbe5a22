#include "assoc/default_command.h"

#include "base/module_path.h"
#include "text/str.h"

namespace {

// "<program path>" followed by tail.
size_t BuildProgramLine(wchar_t* buffer, const wchar_t* tail)
{
    wchar_t path[CMDLINE_BUFFER_SIZE];
    const bool named = GetModulePath(GetModuleHandleW(nullptr), path, CMDLINE_BUFFER_SIZE);
    const wchar_t* const pieces[] = {L"\"", path, L"\"", tail};
    size_t length = 0;
    for (const wchar_t* piece : pieces) {
        length += CmdLineAppend<wchar_t>(nullptr, 0, piece);
    }
    // Only a whole line that names this very program may be written.
    if (!named || length >= CMDLINE_BUFFER_SIZE) {
        if (buffer) {
            buffer[0] = L'\0';
        }
        return 0;
    }
    if (buffer) {
        size_t at = 0;
        for (const wchar_t* piece : pieces) {
            at += CmdLineAppend(buffer, at, piece);
        }
    }
    return length + 1;
}

}  // namespace

size_t BuildDefaultCommandLine(wchar_t* buffer)
{
    return BuildProgramLine(buffer, L" \"%1\"");
}

size_t BuildIconLocation(wchar_t* buffer)
{
    return BuildProgramLine(buffer, L",0");
}

size_t BuildServerLocation(wchar_t* buffer)
{
    return BuildProgramLine(buffer, L"");
}
