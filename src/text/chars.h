#pragma once
// The two kinds of text the path and string routines work on, and the one
// thing that tells them apart: a character may take two units. ANSI text in
// code page 932 has double-byte characters, whose trail byte may have the value
// of a backslash or a letter; UTF-16 text has surrogate pairs, whose units are
// never ASCII. Every routine over C is written once for both.
#include <stddef.h>

// True when c may start a two-unit character: a Shift-JIS lead byte (fixed
// ranges, whatever the system code page), a high surrogate.
bool StartsPair(char c);
bool StartsPair(wchar_t c);

// True when s[index] is the second unit of a two-unit character; index lies
// within the string or at its terminator.
bool IsSecondUnitAt(const char* s, size_t index);
bool IsSecondUnitAt(const wchar_t* s, size_t index);

template <typename C>
size_t StrLen(const C* s)
{
    size_t n = 0;
    while (s[n] != 0) {
        ++n;
    }
    return n;
}

// The units of the character that starts at s (not at its terminator).
template <typename C>
size_t CharUnits(const C* s)
{
    return StartsPair(s[0]) && IsSecondUnitAt(s, 1) ? 2 : 1;
}
