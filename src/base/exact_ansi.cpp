#include "base/exact_ansi.h"

int ExactAnsiForm(const wchar_t* wide, char* out, int size)
{
    // The UTF-8 code page takes neither the flag nor the used-default report,
    // and holds every character.
    const bool utf8 = GetACP() == CP_UTF8;
    BOOL lossy = FALSE;
    const int n = WideCharToMultiByte(CP_ACP, utf8 ? 0 : WC_NO_BEST_FIT_CHARS, wide, -1, out, size,
                                      nullptr, utf8 ? nullptr : &lossy);
    if (lossy) {
        return 0;
    }
    return n;
}
