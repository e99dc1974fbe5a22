#include <windows.h>

// Placeholder entry point until the run modes land: does nothing, exits 0.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return 0;
}
