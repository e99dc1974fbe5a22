// Stands in for the optional system library "rsrc32.dll": 85 percent free.
// Any argument but the 0 the program passes gives a different answer.
#include <windows.h>

extern "C" int WINAPI FreeResourcesStub(int which)
{
    return which == 0 ? 85 : -1;
}
