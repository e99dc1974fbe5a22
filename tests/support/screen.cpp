#include "support/screen.h"

#include "resource.h"

HWND OpenAboutBox(Program& nobo)
{
    HWND setup = nobo.Next("nobo の関連づけ");
    PostMessageW(setup, WM_SYSCOMMAND, IDM_ABOUT, 0);
    return nobo.Next("nobo について");
}

POINT OnScreen(HWND window, int x, int y)
{
    POINT p = {x, y};
    ClientToScreen(window, &p);
    return p;
}

void Mouse(POINT at, DWORD buttons)
{
    // Absolute positions are in 1/65536 of the screen.
    INPUT in = {INPUT_MOUSE,
                {{MulDiv(at.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1,
                  MulDiv(at.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1, 0,
                  MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttons, 0, 0}}};
    SendInput(1, &in, sizeof in);
    Sleep(100);  // the target handles it on its own thread
}

size_t CountColour(HWND window, COLORREF colour)
{
    RECT r = {};
    GetClientRect(window, &r);
    const POINT o = OnScreen(window, 0, 0);
    HDC screen = GetDC(nullptr);
    size_t n = 0;
    for (LONG i = 0; i < r.right * r.bottom; ++i)
        n += GetPixel(screen, o.x + i % r.right, o.y + i / r.right) == colour;
    ReleaseDC(nullptr, screen);
    return n;
}
