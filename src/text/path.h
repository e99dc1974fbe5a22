#pragma once
// Cutting and joining paths at real separators, for ANSI bytes (code page 932)
// and UTF-16 alike (see text/chars.h): a separator is a backslash that is a
// character of its own, never the trail byte of a double-byte character. A
// cut never splits a character.

#include <stddef.h>

enum {
    PATH_BUFFER_SIZE = 261,  // MAX_PATH + 1 units
    PATH_LIMIT = 259,        // the longest path, in units, without its NUL
};

// True when s[index] is a real separator; index lies within the string.
template <typename C>
bool PathIsSeparatorAt(const C* s, unsigned index);

// Cuts the path at its last real separator. Returns the cut-off last
// component, or the path's start when there is no separator.
template <typename C>
C* PathStripLast(C* path);

// The last component inside the path (the whole path when it has no separator).
template <typename C>
const C* PathFindName(const C* path);

// Joins folder and name into out (PATH_BUFFER_SIZE units). "." gives the
// folder, ".." its parent. A name that does not fit is cut, never inside a
// character.
template <typename C>
void PathJoin(C* out, const C* folder, const C* name);

// The name numbered n, into size units: " (n)" before its last extension
// ("a.tar.gz" gives "a.tar (2).gz"), or at the end of a folder's name, a name
// without an extension, or one whose only dot leads it (".gitignore (2)").
// False when it does not fit; out is then not written.
template <typename C>
bool PathNumberedName(C* out, size_t size, const C* name, unsigned n, bool folder);

// "X:" names the current folder of drive X, not its root: turns it into "X:\".
// Other paths are left alone. folder must have room for one more unit.
template <typename C>
void PathDriveToRoot(C* folder);

// True when a name in the path, other than "." and "..", ends in a dot or a
// space. Win32 strips such an ending before it acts, so the call would reach
// another file ("a." reaches "a"), or the name could never be reached at all.
template <typename C>
bool PathHasStrippedName(const C* path);
