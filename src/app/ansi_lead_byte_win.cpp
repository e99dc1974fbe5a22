#include "app/ansi_lead_byte.h"

#include <windows.h>

bool AnsiIsLeadByte(unsigned byte)
{
    return byte <= 0xFF && IsDBCSLeadByte(static_cast<BYTE>(byte)) != FALSE;
}
