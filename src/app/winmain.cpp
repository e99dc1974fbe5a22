#include <windows.h>
#include <objbase.h>

#include "app/argument_filter.h"
#include "app/cmdline_split.h"
#include "app/run.h"
#include "base/mem.h"
#include "base/system_library.h"
#include "base/trace.h"

// The program splits its own command line: Explorer passes paths that a C
// runtime's argument rules were never made for. The trace shows the ANSI
// line as split; the exact line decides what is acted on.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    int count = 0;
    char** argv = SplitCommandLine(GetCommandLineA(), &count);
    if (!argv) {
        return 1;
    }
    for (int i = 0; i < count; ++i) {
        GetTraceSink()("argv[%2d]=%s\r\n", i, argv[i]);
    }
    MemFree(argv);
    argv = ExactArguments(&count);
    if (!argv) {
        return 1;
    }
    InitCommonControlsFromSystem();
    CoInitialize(nullptr);
    const int result = RunMain(count, argv);
    CoUninitialize();
    MemFree(argv);
    return result;
}
