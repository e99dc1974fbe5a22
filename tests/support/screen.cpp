#include "support/screen.h"

#include "resource.h"

HWND OpenAboutBox(Program& nobo)
{
    HWND setup = nobo.Next("nobo の関連づけ");
    if (!setup) return nullptr;
    PostMessageW(setup, WM_SYSCOMMAND, IDM_ABOUT, 0);
    return nobo.Next("nobo について");
}

POINT OnScreen(HWND window, int x, int y)
{
    POINT p = {x, y};
    ClientToScreen(window, &p);
    return p;
}

static void Send(DWORD flags, LONG x = 0, LONG y = 0)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi = {x, y, 0, flags, 0, 0};
    SendInput(1, &in, sizeof in);
    Sleep(100);  // the target handles it on its own thread
}

void MouseTo(POINT at)
{
    // Absolute positions are in 1/65536 of the screen.
    Send(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE,
         MulDiv(at.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1,
         MulDiv(at.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1);
}

void Drag(POINT from, POINT to)
{
    MouseTo(from);
    Send(MOUSEEVENTF_LEFTDOWN);
    MouseTo(to);
    Send(MOUSEEVENTF_LEFTUP);
}

size_t CountColour(HWND window, COLORREF colour)
{
    RECT r = {};
    GetClientRect(window, &r);
    const POINT o = OnScreen(window, 0, 0);
    HDC screen = GetDC(nullptr), mem = CreateCompatibleDC(screen);
    HBITMAP copy = CreateCompatibleBitmap(screen, r.right, r.bottom);
    HGDIOBJ old = SelectObject(mem, copy);
    BitBlt(mem, 0, 0, r.right, r.bottom, screen, o.x, o.y, SRCCOPY);
    size_t n = 0;
    for (LONG i = 0; i < r.right * r.bottom; ++i)
        n += GetPixel(mem, i % r.right, i / r.right) == colour;
    DeleteObject(SelectObject(mem, old));
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return n;
}
