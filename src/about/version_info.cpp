#include <stdlib.h>
#include <windows.h>

#include "about/about_box.h"
#include "app/mem.h"
#include "text/path.h"
#include "text/str.h"

void* LoadVersionBlock(HMODULE module, DWORD** translation)
{
    char path[PATH_BUFFER_SIZE];
    if (GetModuleFileNameA(module, path, PATH_BUFFER_SIZE) == 0) {
        return nullptr;
    }
    DWORD unused = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &unused);
    if (size == 0) {
        return nullptr;
    }
    void* block = malloc(size);
    if (block == nullptr) {
        return nullptr;
    }
    UINT length = 0;
    // A translation shorter than one language and code page pair is none.
    if (GetFileVersionInfoA(path, 0, size, block) &&
        VerQueryValueA(block, "\\VarFileInfo\\Translation", (void**)translation, &length) &&
        length >= sizeof(DWORD)) {
        return block;
    }
    MemFree(block);
    return nullptr;
}

bool QueryVersionString(char* out, const void* block, DWORD translation, const char* name)
{
    char query[PATH_BUFFER_SIZE - 1];
    const char* value = nullptr;
    UINT length = 0;
    if (StrFormatBounded(sizeof query, query, "\\StringFileInfo\\%04x%04x\\%s", LOWORD(translation),
                         HIWORD(translation), name) < 0 ||
        !VerQueryValueA(block, query, (void**)&value, &length) || value == nullptr) {
        out[0] = '\0';
        return false;
    }
    StrCopyBounded(PATH_BUFFER_SIZE, out, value);
    return true;
}
