// The start-up every run of nobo.exe needs and nothing else: scripts/bench
// measures nobo.exe against this program.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <shlobj.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    InitCommonControls();
    CoInitialize(nullptr);
    IShellFolder* desktop = nullptr;
    if (SUCCEEDED(SHGetDesktopFolder(&desktop))) desktop->Release();
    CoUninitialize();
    return 0;
}
