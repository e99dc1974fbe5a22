#pragma once
// Guards against acting on a path the program did not really receive.

// Replaces with "" every argument after 0 that must not be acted on:
//  - its ANSI form is not the exact conversion of the Unicode command line's
//    argument (a character code page 932 cannot hold became '?' or a
//    look-alike, which may name a different existing file);
//  - it holds a non-ASCII byte while the ANSI code page is not 932 (the path
//    routines know only Shift-JIS double-byte characters).
// The count stays, so the run mode does not change.
void DropUnsafeArguments(int count, char** argv);
