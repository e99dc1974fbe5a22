#include <windows.h>

#include "about/about_box.h"
#include "text/path.h"
#include "text/str.h"

namespace {

const char FREE_RESOURCES_LIBRARY[] = "rsrc32.dll";
const char FREE_RESOURCES_EXPORT[] = "_MyGetFreeSystemResources32@4";
// With up to three digits the text takes 33 bytes.
const size_t FREE_RESOURCES_TEXT_SIZE = 34;

typedef int(WINAPI* FreeResourcesProc)(int);

// From the system folder only, by its full path: a bare name is looked for
// beside the program and in the current folder first, where anyone could
// leave a library of that name to be run. Its own imports are looked for
// there too, not beside the program.
HMODULE LoadFreeResourcesLibrary()
{
    char folder[PATH_BUFFER_SIZE];
    const UINT length = GetSystemDirectoryA(folder, PATH_BUFFER_SIZE);
    if (length == 0 || length >= PATH_BUFFER_SIZE) {
        return nullptr;
    }
    char path[PATH_BUFFER_SIZE];
    if (StrFormatBounded(PATH_BUFFER_SIZE, path, "%s\\%s", folder, FREE_RESOURCES_LIBRARY) < 0) {
        return nullptr;
    }
    return LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace

// Loaded and released on every call: the library is optional and rarely asked.
bool GetFreeSystemResources(int* out)
{
    HMODULE library = LoadFreeResourcesLibrary();
    if (library == nullptr) {
        return false;
    }
    // Through void*: FARPROC takes no arguments, the export one.
    FreeResourcesProc function =
        (FreeResourcesProc)(void*)GetProcAddress(library, FREE_RESOURCES_EXPORT);
    if (function == nullptr) {
        FreeLibrary(library);
        return false;
    }
    if (out != nullptr) {
        *out = function(0);
    }
    FreeLibrary(library);
    return true;
}

bool SetFreeResourcesText(HWND control)
{
    SetWindowTextA(control, "");
    int percent = 0;
    if (!GetFreeSystemResources(&percent)) {
        return false;
    }
    char text[FREE_RESOURCES_TEXT_SIZE];
    StrFormatBounded(sizeof text, text, "システムリソース： %d ％使用可能", percent);
    SetWindowTextA(control, text);
    return true;
}
