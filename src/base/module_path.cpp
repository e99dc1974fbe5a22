#include "base/module_path.h"

#include "text/path.h"

bool GetModulePath(HMODULE module, char* out)
{
    const DWORD n = GetModuleFileNameA(module, out, PATH_BUFFER_SIZE);
    // Older systems leave a cut path unterminated; a failure leaves nothing.
    out[n < PATH_BUFFER_SIZE ? n : PATH_BUFFER_SIZE - 1] = '\0';
    return n != 0 && n < PATH_BUFFER_SIZE;
}
