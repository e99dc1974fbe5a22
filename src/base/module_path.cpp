#include "base/module_path.h"

bool GetModulePath(HMODULE module, wchar_t* out, DWORD size)
{
    // A path that fills the buffer may have been cut.
    const DWORD n = GetModuleFileNameW(module, out, size);
    if (n == 0 || n >= size) {
        out[0] = L'\0';
        return false;
    }
    return true;
}
