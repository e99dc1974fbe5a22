#include "about/free_resources.h"

#include "base/system_library.h"
#include "text/format.h"

namespace {

const char FREE_RESOURCES_LIBRARY[] = "rsrc32.dll";
const char FREE_RESOURCES_EXPORT[] = "_MyGetFreeSystemResources32@4";
// With up to three digits the text takes 33 bytes.
const size_t FREE_RESOURCES_TEXT_SIZE = 34;

typedef int(WINAPI* FreeResourcesProc)(int);

}  // namespace

// Loaded and released on every call: the library is optional and rarely asked.
bool GetFreeSystemResources(int* out)
{
    // From the system folder only, by its full path: a bare name is looked for
    // beside the program and in the current folder first, where anyone could
    // leave a library of that name to be run.
    HMODULE library = LoadSystemLibrary(FREE_RESOURCES_LIBRARY);
    if (library == nullptr) {
        return false;
    }
    FreeResourcesProc function = GetSystemProc<FreeResourcesProc>(library, FREE_RESOURCES_EXPORT);
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
