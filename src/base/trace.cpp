#include "base/trace.h"

#include <windows.h>

#include "text/format.h"

namespace {

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

}  // namespace

TraceSink GetTraceSink()
{
    return TraceToDebugger;
}
