#pragma once
// UTF-16 text in the ANSI code page, only where nothing is lost.
#include <windows.h>

// The size of wide's ANSI form with its terminator, written to out (size
// bytes) when out is given; 0 when it has no exact form or does not fit. A
// character the code page cannot hold would become '?' or a best-fit
// look-alike (e for é), which may name another, existing file.
int ExactAnsiForm(const wchar_t* wide, char* out, int size);
