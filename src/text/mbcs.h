#pragma once
// Double-byte awareness for paths. Paths are cut with the fixed Shift-JIS
// ranges whatever the system code page, so a trail byte 0x5C (as in 表 or ソ)
// is never taken for a backslash.

enum {
    MBC_SINGLE = 0,  // single-byte character, or at or past the terminator
    MBC_LEAD = 1,    // first byte of a double-byte character (its trail follows)
    MBC_TRAIL = 2,   // second byte of a double-byte character
};

// The fixed Shift-JIS lead byte ranges.
bool MbcsIsLeadByte(unsigned char c);

// The class of s[index], found by walking from the start of the string.
int MbcsByteClassAt(const char* s, unsigned index);
