// Test helper: writes what this process sees of its own command line to the
// file named by NOBO_CMDLINE_ECHO: the GetCommandLineA bytes, then each
// argument as SplitCommandLine reads them, every piece followed by a NUL.
#include <windows.h>

#include "app/cmdline_split.h"
#include "base/mem.h"

static bool WriteBytes(HANDLE file, const char* bytes)
{
    const DWORD size = lstrlenA(bytes) + 1;
    DWORD written = 0;
    return WriteFile(file, bytes, size, &written, nullptr) && written == size;
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char path[MAX_PATH];
    const DWORD n = GetEnvironmentVariableA("NOBO_CMDLINE_ECHO", path, sizeof path);
    if (n == 0 || n >= sizeof path) return 2;
    HANDLE file =
        CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 3;
    const char* line = GetCommandLineA();
    int count = 0;
    char** argv = SplitCommandLine(line, &count);
    bool ok = argv && WriteBytes(file, line);
    for (int i = 0; ok && i < count; ++i) ok = WriteBytes(file, argv[i]);
    CloseHandle(file);
    MemFree(argv);
    return ok ? 0 : 4;
}
