#include "base/system_library.h"

#include "text/path.h"

HMODULE LoadSystemLibrary(const char* name)
{
    char folder[PATH_BUFFER_SIZE];
    const UINT n = GetSystemDirectoryA(folder, sizeof folder);
    if (n == 0 || n >= sizeof folder) {
        return nullptr;
    }
    char path[PATH_BUFFER_SIZE];
    PathJoin(path, folder, name);
    return LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

bool InitCommonControlsFromSystem()
{
    HMODULE comctl = LoadSystemLibrary("comctl32.dll");
    if (!comctl) {
        return false;
    }
    typedef void(WINAPI * InitFn)(void);
    InitFn init = GetSystemProc<InitFn>(comctl, "InitCommonControls");
    if (!init) {
        return false;
    }
    init();
    return true;
}
