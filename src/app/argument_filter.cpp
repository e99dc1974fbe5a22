#include "app/argument_filter.h"

#include <windows.h>
#include <stdlib.h>

#include "app/cmdline_split.h"
#include "base/mem.h"
#include "base/trace.h"

namespace {

bool IsAscii(const char* s)
{
    for (; *s; ++s) {
        if (static_cast<unsigned char>(*s) >= 0x80) {
            return false;
        }
    }
    return true;
}

}  // namespace

int ExactAnsiForm(const wchar_t* wide, char* out, int size)
{
    // The UTF-8 code page takes neither the flag nor the used-default report.
    const bool utf8 = GetACP() == CP_UTF8;
    BOOL usedDefault = FALSE;
    const int n = WideCharToMultiByte(CP_ACP, utf8 ? 0 : WC_NO_BEST_FIT_CHARS, wide, -1, out, size,
                                      nullptr, utf8 ? nullptr : &usedDefault);
    return usedDefault ? 0 : n;
}

char** ExactArguments(int* count)
{
    const UINT codePage = GetACP();
    wchar_t** wide = SplitCommandLineW(GetCommandLineW(), count);
    if (!wide) {
        return nullptr;
    }
    // Each argument: its exact form, or the "" that replaces it.
    size_t size = (static_cast<size_t>(*count) + 1) * sizeof(char*);
    for (int i = 0; i < *count; ++i) {
        size += ExactAnsiForm(wide[i], nullptr, 0) + 1;
    }
    char** argv = static_cast<char**>(malloc(size));
    if (argv) {
        char* area = reinterpret_cast<char*>(argv + *count + 1);
        char* const end = reinterpret_cast<char*>(argv) + size;
        for (int i = 0; i < *count; ++i) {
            argv[i] = area;
            const int n = ExactAnsiForm(wide[i], area, static_cast<int>(end - area));
            if (n > 0 && (codePage == 932 || IsAscii(area))) {
                area += n;
                continue;
            }
            *area++ = '\0';
            if (i > 0) {
                GetTraceSink()("argv[%2d] ignored: not exactly this path in code page %u\r\n", i,
                               codePage);
            }
        }
        argv[*count] = nullptr;
    }
    MemFree(wide);
    return argv;
}
