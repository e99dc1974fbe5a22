// The start-up every move of nobo.exe needs and nothing else (the common
// controls are for setup alone): scripts/bench measures nobo.exe against this
// program.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    IShellFolder* desktop = nullptr;
    if (SUCCEEDED(SHGetDesktopFolder(&desktop))) desktop->Release();
    CoUninitialize();
    return 0;
}
