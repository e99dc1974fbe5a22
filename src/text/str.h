#pragma once
// Bounded, always-terminated string routines, for ANSI bytes (code page 932)
// and UTF-16 alike (see text/chars.h).
#include <stddef.h>

enum { CMDLINE_BUFFER_SIZE = 1025 };  // 1024 characters and the terminator

// Copies at most n - 1 units and terminates (n >= 1); a two-unit character
// that would be split is left out. Pads a short source with NULs up to n - 1.
template <typename C>
C* StrCopyBounded(size_t n, C* dest, const C* src);

template <typename C>
bool StrEqual(const C* a, const C* b);
// Folds ASCII letters only; both units of a two-unit character must match
// exactly (a trail byte in the letter range is part of another character).
template <typename C>
bool StrEqualNoCase(const C* a, const C* b);

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
