#pragma once
// Bounded, always-terminated string routines over ANSI bytes.
#include <stddef.h>

enum { CMDLINE_BUFFER_SIZE = 1025 };  // 1024 characters and the terminator

// Copies at most n - 1 bytes and terminates (n >= 1); a double-byte character
// that would be split is left out. Pads a short source with NULs up to n - 1.
char* StrCopyBounded(size_t n, char* dest, const char* src);

bool StrEqual(const char* a, const char* b);
// Folds single-byte ASCII letters only; the bytes of a double-byte character
// (fixed Shift-JIS ranges, as the path routines) must match exactly.
bool StrEqualNoCase(const char* a, const char* b);

// Appends text at len of a CMDLINE_BUFFER_SIZE buffer, never past 1024
// characters, and returns what was appended. With no buffer it measures:
// the whole length of text.
size_t CmdLineAppend(char* buf, size_t len, const char* text);

char* StrEnd(const char* s);

// Ends count bytes of data read into buffer (size >= 1 bytes) as a text: a
// string stored without its terminator, or data of another type, gets one
// right after it; data that fills the buffer must end in its own. True then;
// otherwise false and the empty string (a cut text could end inside a
// double-byte character).
bool StrEndData(char* buffer, size_t size, size_t count);
