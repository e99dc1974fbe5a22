#include "support/screen.h"

#include <vector>

COLORREF ScreenPixel(int x, int y)
{
    HDC dc = GetDC(nullptr);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(nullptr, dc);
    return c;
}

bool SaveWindowBitmap(HWND hwnd, const std::string& path)
{
    RECT r;
    if (!GetWindowRect(hwnd, &r)) return false;
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0) return false;

    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = h;  // bottom-up, as BMP files store it
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    GdiFlush();

    const DWORD stride = ((w * 3) + 3) & ~3u;
    const DWORD imageSize = stride * h;
    BITMAPFILEHEADER fh = {};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof bi.bmiHeader;
    fh.bfSize = fh.bfOffBits + imageSize;
    bi.bmiHeader.biSizeImage = imageSize;

    bool ok = false;
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (f != INVALID_HANDLE_VALUE) {
        DWORD n1 = 0, n2 = 0, n3 = 0;
        ok = WriteFile(f, &fh, sizeof fh, &n1, nullptr) &&
             WriteFile(f, &bi.bmiHeader, sizeof bi.bmiHeader, &n2, nullptr) &&
             WriteFile(f, bits, imageSize, &n3, nullptr) && n3 == imageSize;
        CloseHandle(f);
    }
    SelectObject(mem, old);
    DeleteObject(dib);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return ok;
}

std::string ShotPath(const char* name)
{
    char dir[MAX_PATH];
    DWORD n = GetEnvironmentVariableA("NOBO_SHOT_DIR", dir, sizeof dir);
    if (n == 0 || n >= sizeof dir) GetTempPathA(sizeof dir, dir);
    std::string path = dir;
    if (!path.empty() && path.back() != '\\') path += '\\';
    return path + name;
}

void PumpMessages(DWORD ms)
{
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    }
}
