// Stands in for Explorer as the "open" handler of folders in the test prefix:
// appends what it was asked to open, one line each, to %NOBO_OPEN_RECORD%.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char record[MAX_PATH];
    DWORD n = GetEnvironmentVariableA("NOBO_OPEN_RECORD", record, sizeof record);
    if (n == 0 || n >= sizeof record) return 2;
    // The whole command line after the program: "<recorder>" "<path>".
    const char* args = GetCommandLineA();
    if (*args == '"') {
        ++args;
        while (*args && *args != '"') ++args;
        if (*args) ++args;
    } else {
        while (*args && *args != ' ') ++args;
    }
    while (*args == ' ') ++args;
    // The registered command quotes "%1": record the path without the quotes.
    int length = lstrlenA(args);
    if (length >= 2 && args[0] == '"' && args[length - 1] == '"') {
        ++args;
        length -= 2;
    }
    HANDLE f = CreateFileA(record, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    WriteFile(f, args, length, &written, nullptr);
    WriteFile(f, "\n", 1, &written, nullptr);
    CloseHandle(f);
    return 0;
}
