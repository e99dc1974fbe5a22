#include "app/ansi_lead_byte.h"

#ifdef _WIN32
#include <windows.h>

bool AnsiIsLeadByte(unsigned byte)
{
    return byte <= 0xFF && IsDBCSLeadByte(static_cast<BYTE>(byte)) != FALSE;
}
#else
// Off Windows there is no process code page to ask: the program's texts are
// code page 932, so its lead ranges stand in for it.
bool AnsiIsLeadByte(unsigned byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}
#endif
