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
// units, and returns what was appended. With no buffer it measures: the
// whole length of text.
template <typename C>
size_t CmdLineAppend(C* buf, size_t len, const C* text);

char* StrEnd(const char* s);

// Ends count units of data read into buffer (size >= 1 units) as a text: a
// string stored without its terminator, or data of another type, gets one
// right after it; data that fills the buffer must end in its own. True then;
// otherwise false and the empty string (a cut text could end inside a
// character).
template <typename C>
bool StrEndData(C* buffer, size_t size, size_t count);

// A text cut at a buffer's edge may end in the first unit of a two-unit
// character whose second unit was left out (a lone high surrogate, a lead
// byte): that unit goes. Returns the length left.
template <typename C>
size_t StrDropCutPair(C* s);
