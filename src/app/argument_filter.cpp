#include "app/argument_filter.h"

#include <windows.h>
#include <stdlib.h>
#include <string.h>

#include "app/cmdline_split.h"
#include "base/mem.h"
#include "base/trace.h"

namespace {

char kDropped[] = "";

bool IsAscii(const char* s)
{
    for (; *s; ++s) {
        if (static_cast<unsigned char>(*s) >= 0x80) {
            return false;
        }
    }
    return true;
}

// True when wide converts to exactly the bytes of ansi, with no default
// character and no best-fit look-alike.
bool ConvertsExactly(const wchar_t* wide, const char* ansi, UINT codePage)
{
    // The UTF-8 code page takes neither the flag nor the used-default report.
    const bool utf8 = codePage == CP_UTF8;
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* used = utf8 ? nullptr : &usedDefault;
    const int n = WideCharToMultiByte(CP_ACP, flags, wide, -1, nullptr, 0, nullptr, used);
    if (n <= 0 || usedDefault) {
        return false;
    }
    char* bytes = static_cast<char*>(malloc(n));
    if (!bytes) {
        return false;
    }
    const bool same = WideCharToMultiByte(CP_ACP, flags, wide, -1, bytes, n, nullptr, used) == n &&
                      !usedDefault && strcmp(bytes, ansi) == 0;
    MemFree(bytes);
    return same;
}

}  // namespace

void DropUnsafeArguments(int count, char** argv)
{
    const UINT codePage = GetACP();
    int wideCount = 0;
    wchar_t** wide = SplitCommandLineW(GetCommandLineW(), &wideCount);
    for (int i = 1; i < count; ++i) {
        bool safe = wide && wideCount == count && ConvertsExactly(wide[i], argv[i], codePage);
        if (safe && codePage != 932 && !IsAscii(argv[i])) {
            safe = false;
        }
        if (!safe) {
            GetTraceSink()("argv[%2d] ignored: not exactly this path in code page %u\r\n", i,
                           codePage);
            argv[i] = kDropped;
        }
    }
    MemFree(wide);
}
