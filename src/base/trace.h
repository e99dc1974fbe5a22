#pragma once
// Diagnostics: one printf-style sink, the debugger output.

typedef int (*TraceSink)(const char* format, ...);

// The process-wide sink.
TraceSink GetTraceSink();
