#include "support/screen.h"

#include <vector>

COLORREF ScreenPixel(int x, int y)
{
    HDC dc = GetDC(nullptr);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(nullptr, dc);
    return c;
}

// A screen rectangle as the rows of a DIB (BI_RGB, bitCount bits a pixel,
// rows padded to 4 bytes; bottom-up as BMP files store it, or top-down).
static std::string CaptureRows(const RECT& r, WORD bitCount, bool topDown)
{
    const int w = r.right - r.left, h = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = topDown ? -h : h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = bitCount;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    const DWORD stride = ((w * bitCount / 8) + 3) & ~3u;
    std::string rows(static_cast<const char*>(bits), stride * h);
    SelectObject(mem, old);
    DeleteObject(dib);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return rows;
}

ScreenPixels CaptureClient(HWND hwnd)
{
    ScreenPixels out;
    RECT r = {};
    GetClientRect(hwnd, &r);
    POINT origin = {0, 0};
    ClientToScreen(hwnd, &origin);
    OffsetRect(&r, origin.x, origin.y);
    out.width = r.right - r.left;
    out.height = r.bottom - r.top;
    if (out.width <= 0 || out.height <= 0) return out;
    const std::string rows = CaptureRows(r, 32, true);
    const DWORD* quads = reinterpret_cast<const DWORD*>(rows.data());
    for (int i = 0; i < out.width * out.height; ++i) {
        const DWORD q = quads[i];  // 0x00RRGGBB
        out.colours.push_back(RGB((q >> 16) & 0xFF, (q >> 8) & 0xFF, q & 0xFF));
    }
    return out;
}

// The window's screen rectangle as the bytes of a 24-bit BMP file, or "".
static std::string WindowBitmap(HWND hwnd)
{
    RECT r;
    if (!GetWindowRect(hwnd, &r)) return "";
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0) return "";
    const std::string rows = CaptureRows(r, 24, false);

    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = w;
    info.biHeight = h;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = static_cast<DWORD>(rows.size());
    BITMAPFILEHEADER fh = {};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof info;
    fh.bfSize = fh.bfOffBits + info.biSizeImage;
    std::string bytes(reinterpret_cast<const char*>(&fh), sizeof fh);
    bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
    return bytes + rows;
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
