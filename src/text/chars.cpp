#include "text/chars.h"

#include "text/mbcs.h"

namespace {

bool IsHighSurrogate(wchar_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}

bool IsLowSurrogate(wchar_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

}  // namespace

bool StartsPair(char c)
{
    return MbcsIsLeadByte(static_cast<unsigned char>(c));
}

bool StartsPair(wchar_t c)
{
    return IsHighSurrogate(c);
}

bool IsSecondUnitAt(const char* s, size_t index)
{
    return MbcsByteClassAt(s, static_cast<unsigned>(index)) == MBC_TRAIL;
}

// A pair is two units side by side: nothing before them changes that.
bool IsSecondUnitAt(const wchar_t* s, size_t index)
{
    return index > 0 && IsLowSurrogate(s[index]) && IsHighSurrogate(s[index - 1]);
}
