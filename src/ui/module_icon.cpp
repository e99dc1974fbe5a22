#include "ui/module_icon.h"

#include <shellapi.h>

#include "text/path.h"

HICON GetModuleIcon(HMODULE module, int small)
{
    char path[PATH_BUFFER_SIZE];
    if (GetModuleFileNameA(module, path, PATH_BUFFER_SIZE) == 0) {
        return nullptr;
    }
    SHFILEINFOA info = {};
    const UINT flags = SHGFI_ICON | (small ? SHGFI_SMALLICON : 0);
    if (SHGetFileInfoA(path, 0, &info, sizeof info, flags) == 0) {
        return nullptr;
    }
    return info.hIcon;
}
