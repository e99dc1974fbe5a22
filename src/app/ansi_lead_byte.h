#pragma once
// The lead bytes of the process's ANSI code page, for splitting the command
// line the way the runtime would. (Paths use the fixed Shift-JIS ranges of
// text/mbcs.h instead, whatever the code page.)

// True when byte (0-255) starts a double-byte character.
bool AnsiIsLeadByte(unsigned byte);
