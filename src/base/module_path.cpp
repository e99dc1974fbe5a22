#include "base/module_path.h"

#include "base/exact_ansi.h"
#include "text/path.h"

bool GetModulePath(HMODULE module, char* out)
{
    // GetModuleFileNameA would give a path code page 932 cannot write as its
    // look-alike, which names another file: read it whole and keep it only
    // when exact.
    wchar_t wide[PATH_BUFFER_SIZE];
    const DWORD n = GetModuleFileNameW(module, wide, PATH_BUFFER_SIZE);
    if (n == 0 || n >= PATH_BUFFER_SIZE || ExactAnsiForm(wide, out, PATH_BUFFER_SIZE) == 0) {
        out[0] = '\0';
        return false;
    }
    return true;
}
