#include <windows.h>
#include <shellapi.h>

#include "about/about_box.h"
#include "text/path.h"

HICON GetFileIcon(const char* path, int small)
{
    SHFILEINFOA info = {};
    if (!SHGetFileInfoA(path, 0, &info, sizeof info, SHGFI_ICON | (small ? SHGFI_SMALLICON : 0)))
        return nullptr;
    return info.hIcon;
}

HICON GetModuleIcon(HMODULE module, int small)
{
    char path[PATH_BUFFER_SIZE];
    if (GetModuleFileNameA(module, path, PATH_BUFFER_SIZE) == 0) return nullptr;
    return GetFileIcon(path, small);
}
