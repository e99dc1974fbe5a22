#include "app/ansi_lead_byte.h"

#ifdef _WIN32
#include <windows.h>

bool AnsiIsLeadByte(unsigned byte)
{
    return byte <= 0xFF && IsDBCSLeadByte(static_cast<BYTE>(byte)) != FALSE;
}
#else
#include "text/mbcs.h"

// Off Windows there is no process code page to ask: the program's texts are
// code page 932, so its lead ranges stand in for it.
bool AnsiIsLeadByte(unsigned byte)
{
    return byte <= 0xFF && MbcsIsLeadByte(static_cast<unsigned char>(byte));
}
#endif
