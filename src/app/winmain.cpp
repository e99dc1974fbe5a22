#include <windows.h>
#include <objbase.h>

#include "app/cmdline_split.h"
#include "app/run.h"
#include "base/mem.h"
#include "base/trace.h"

namespace {

// The program splits its own command line: Explorer passes paths that a C
// runtime's argument rules were never made for. The trace shows the ANSI
// line as split; the exact (UTF-16) line decides what is acted on, so that a
// name the ANSI code page cannot hold is never read as its look-alike.
int Run()
{
    int count = 0;
    char** traced = SplitCommandLine(GetCommandLineA(), &count);
    if (!traced) {
        return 1;
    }
    for (int i = 0; i < count; ++i) {
        GetTraceSink()("argv[%2d]=%s\r\n", i, traced[i]);
    }
    MemFree(traced);
    wchar_t** argv = SplitCommandLineW(GetCommandLineW(), &count);
    if (!argv) {
        return 1;
    }
    // A single-threaded apartment, as the shell asks of its callers, without
    // the DDE support of OLE 1, which nothing here uses and which under Wine
    // costs every start a fifth of its time.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const int result = RunMain(count, argv);
    CoUninitialize();
    MemFree(argv);
    return result;
}

}  // namespace

// The program's entry, in place of the C runtime's start-up code: msvcrt.dll
// readies itself when loaded, and nothing here needs what that code does
// (arguments split by its rules, static constructors, thread-local data),
// which made a sixth of the program.
extern "C" void WINAPI NoboStart()
{
    ExitProcess(static_cast<UINT>(Run()));
}
