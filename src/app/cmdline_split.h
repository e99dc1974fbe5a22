#pragma once
// Splits a raw command line into one heap block that the caller frees with a
// single MemFree: count + 1 pointers (the last one NULL), then the argument
// texts, each NUL-terminated, in order. Argument 0 (the program path) always
// exists, possibly empty. The rules are the C runtime's classic ones; the
// program applies them itself so that a trail byte is never taken for a
// backslash, quote or blank. The same code splits ANSI and UTF-16 text.
#include <stddef.h>

// Tells whether a code unit starts a two-unit character. NULL: none does
// (UTF-16 text, where a surrogate pair holds no quote, backslash or blank).
typedef bool (*SplitLeadTest)(unsigned unit);

// One pass over the text: counting when argv and area are NULL, filling
// otherwise. Both passes run the identical parse, so the filling pass fits
// exactly in the size that the counting pass reported.
template <typename C>
struct SplitPass {
    SplitLeadTest isLead;
    C** argv;     // count + 1 entries, or NULL when counting
    C* area;      // string area, or NULL when counting
    size_t used;  // units written (or counted) into the string area so far
};

// The whole parse. Returns the count; *size receives the block size in bytes.
template <typename C>
int SplitRunPass(SplitPass<C>* pass, const C* text, size_t* size);

// Both passes and the one allocation. NULL when the allocation failed.
// Both templates are instantiated for char and wchar_t only.
template <typename C>
C** SplitCommandLineWith(const C* text, int* count, SplitLeadTest isLead);

// The ANSI command line (GetCommandLineA), with the lead bytes of the
// process's ANSI code page.
char** SplitCommandLine(const char* text, int* count);
// The UTF-16 command line (GetCommandLineW).
wchar_t** SplitCommandLineW(const wchar_t* text, int* count);
