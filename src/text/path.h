#pragma once
// Cutting and joining ANSI paths at real separators (a 0x5C byte that is a
// character of its own, never the trail byte of a double-byte character).

enum { PATH_BUFFER_SIZE = 261 };  // MAX_PATH + 1

// True when s[index] is a real separator; index lies within the string.
bool PathIsSeparatorAt(const char* s, unsigned index);

// Cuts the path at its last real separator. Returns the cut-off last
// component, or the path's start when there is no separator.
char* PathStripLast(char* path);

// The last component inside the path (the whole path when it has no separator).
const char* PathFindName(const char* path);

// Joins folder and name into out (PATH_BUFFER_SIZE bytes). "." gives the folder,
// ".." its parent. A name that does not fit is cut, never inside a double-byte
// character.
void PathJoin(char* out, const char* folder, const char* name);

// "X:" names the current folder of drive X, not its root: turns it into "X:\".
// Other paths are left alone. folder must have room for one more byte.
void PathDriveToRoot(char* folder);

// True when a name in the path, other than "." and "..", ends in a dot or a
// space. Win32 strips such an ending before it acts, so the call would reach
// another file ("a." reaches "a"), or the name could never be reached at all.
bool PathHasStrippedName(const char* path);
