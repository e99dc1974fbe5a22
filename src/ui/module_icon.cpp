#include "ui/module_icon.h"

#include <shellapi.h>

#include "base/module_path.h"
#include "text/path.h"
#include "ui/geometry.h"

namespace {

HICON GetFileIcon(const wchar_t* path, UINT size)
{
    SHFILEINFOW info = {};
    if (SHGetFileInfoW(path, 0, &info, sizeof info, SHGFI_ICON | size) == 0) {
        return nullptr;
    }
    return info.hIcon;
}

}  // namespace

void SetModuleIcons(HWND window, HMODULE module, WindowIcons* icons)
{
    icons->large = nullptr;
    icons->little = nullptr;
    wchar_t path[PATH_BUFFER_SIZE];
    if (GetModulePath(module, path, PATH_BUFFER_SIZE)) {
        icons->large = GetFileIcon(path, SHGFI_LARGEICON);
        icons->little = GetFileIcon(path, SHGFI_SMALLICON);
    }
    SetWindowIcon(window, ICON_BIG, icons->large);
    SetWindowIcon(window, ICON_SMALL, icons->little);
}

void DestroyWindowIcons(WindowIcons* icons)
{
    HICON* const owned[] = {&icons->large, &icons->little};
    for (HICON* icon : owned) {
        if (*icon != nullptr) {
            DestroyIcon(*icon);
            *icon = nullptr;
        }
    }
}
