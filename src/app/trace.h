#pragma once
// Diagnostics: one printf-style sink, the debugger output by default.

typedef int (*TraceSink)(const char* format, ...);

// The process-wide sink. The program itself never changes it; tests may point
// it elsewhere. NULL also means TraceToDebugger.
extern TraceSink g_traceSink;

TraceSink GetTraceSink();
int TraceToDebugger(const char* format, ...);
