#include "ui/message_box.h"

#include "text/format.h"

int ShowMessageF(HWND owner, UINT type, const char* caption, const char* format, ...)
{
    char text[1024];
    va_list args;
    va_start(args, format);
    StrFormatBoundedV(sizeof text, text, format, args);
    va_end(args);
    return MessageBoxA(owner, text, caption, type);
}
