#include "support/screen.h"

#include <vector>

COLORREF ScreenPixel(int x, int y)
{
    HDC dc = GetDC(nullptr);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(nullptr, dc);
    return c;
}

// The window's screen rectangle as the bytes of a 24-bit BMP file, or "".
static std::string WindowBitmap(HWND hwnd)
{
    RECT r;
    if (!GetWindowRect(hwnd, &r)) return "";
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0) return "";

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
    std::string bytes(reinterpret_cast<const char*>(&fh), sizeof fh);
    bytes.append(reinterpret_cast<const char*>(&bi.bmiHeader), sizeof bi.bmiHeader);
    bytes.append(static_cast<const char*>(bits), imageSize);

    SelectObject(mem, old);
    DeleteObject(dib);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return bytes;
}

static bool WriteBitmap(const std::string& path, const std::string& bytes)
{
    if (bytes.empty()) return false;
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(f, bytes.data(), (DWORD)bytes.size(), &written, nullptr) &&
                    written == bytes.size();
    CloseHandle(f);
    return ok;
}

bool SaveWindowBitmap(HWND hwnd, const std::string& path)
{
    return WriteBitmap(path, WindowBitmap(hwnd));
}

bool SaveSettledWindowBitmap(HWND hwnd, const std::string& path)
{
    RedrawWindow(hwnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    std::string last = WindowBitmap(hwnd), now;
    for (int settled = 0, tries = 0; settled < 3 && tries < 100; ++tries) {
        Sleep(50);
        now = WindowBitmap(hwnd);
        settled = now == last ? settled + 1 : 0;
        last.swap(now);
    }
    return WriteBitmap(path, last);
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
