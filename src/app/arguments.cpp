#include <windows.h>
#include <shlobj.h>
#include <stdlib.h>
#include <string.h>

#include "app/file_tests.h"
#include "app/mem.h"
#include "app/run.h"
#include "text/path.h"

bool FreeArgumentList(char** list, int count)
{
    for (int i = 0; i < count; ++i) MemFree(list[i]);
    MemFree(list);
    return true;
}

char** ResolveArguments(int candidates, char** argv, int* resolved)
{
    char** list = static_cast<char**>(malloc((candidates + 1) * sizeof(char*)));
    if (!list) return nullptr;
    *resolved = 0;
    for (int i = 0; i < candidates; ++i) {
        char path[PATH_BUFFER_SIZE];
        if (!PathExists(argv[i])) continue;
        if (!ShellResolvePath(path, argv[i])) continue;
        char* copy = static_cast<char*>(malloc(strlen(path) + 1));
        if (!copy) {
            FreeArgumentList(list, *resolved);
            return nullptr;
        }
        strcpy(copy, path);
        list[(*resolved)++] = copy;
    }
    list[*resolved] = nullptr;
    return list;
}

bool ShellResolvePath(char* out, const char* path)
{
    out[0] = '\0';
    IMalloc* allocator = nullptr;
    if (FAILED(SHGetMalloc(&allocator))) return false;
    IShellFolder* desktop = nullptr;
    if (FAILED(SHGetDesktopFolder(&desktop))) {
        allocator->Release();
        out[0] = '\0';
        return false;
    }
    WCHAR wide[MAX_PATH];
    ULONG eaten = 0;
    LPITEMIDLIST idList = nullptr;
    if (!MultiByteToWideChar(CP_ACP, 0, path, -1, wide, MAX_PATH) ||
        FAILED(desktop->ParseDisplayName(nullptr, nullptr, wide, &eaten, &idList, nullptr))) {
        desktop->Release();
        allocator->Release();
        out[0] = '\0';
        return false;
    }
    const bool ok = SHGetPathFromIDListA(idList, out) != FALSE;
    allocator->Free(idList);
    desktop->Release();
    allocator->Release();
    if (!ok) out[0] = '\0';
    return ok;
}
