#include "app/trace.h"

#include <windows.h>

#include "text/str.h"

TraceSink g_traceSink = TraceToDebugger;

TraceSink GetTraceSink()
{
    return g_traceSink ? g_traceSink : TraceToDebugger;
}

int TraceToDebugger(const char* format, ...)
{
    char line[1024];
    va_list args;
    va_start(args, format);
    const int r = StrFormatBoundedV(sizeof line, line, format, args);
    va_end(args);
    OutputDebugStringA(line);
    return r;
}
