#pragma once
// Guards against acting on a path the program did not really receive.

// The arguments as the exact (UTF-16) command line splits them, each in the
// ANSI code page: one heap block like SplitCommandLine's, freed with one
// MemFree; NULL when out of memory. An argument becomes "" when:
//  - it does not convert exactly (a character code page 932 cannot hold
//    would become '?' or a look-alike, which may name a different existing
//    file; the ANSI command line may even split around it differently, as
//    with ¥, which it carries as a backslash);
//  - it holds a non-ASCII byte while the ANSI code page is not 932 (the path
//    routines know only Shift-JIS double-byte characters).
// Each such argument after 0 is traced and keeps its place, as "": it is
// dropped alone.
char** ExactArguments(int* count);

// The size of wide's form in the ANSI code page with its NUL (written to out
// when given, at most size bytes), or 0 when it has no exact one (a default
// character or a best-fit look-alike) or does not fit.
int ExactAnsiForm(const wchar_t* wide, char* out, int size);
