#pragma once
// Real pixels from the screen prefix's display: reading and saving what a
// window shows. Only meaningful under the screen bed (the null driver has no
// pixels).
#include <windows.h>

#include <string>
#include <vector>

// The client area of a window as shown on screen, row by row.
struct ScreenPixels {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> colours;
    COLORREF At(int x, int y) const
    {
        return colours[(size_t)y * width + x];
    }
};
ScreenPixels CaptureClient(HWND hwnd);

// The colour of one screen pixel, or CLR_INVALID.
COLORREF ScreenPixel(int x, int y);
// Saves the screen rectangle of a window (outer frame included) as a 24-bit
// BMP file. True when the file was written.
bool SaveWindowBitmap(HWND hwnd, const std::string& path);
// The same for a window of any process, once it has repainted and its
// pixels have stopped changing.
bool SaveSettledWindowBitmap(HWND hwnd, const std::string& path);
// Where screenshots go: %NOBO_SHOT_DIR% when set, else the temp folder.
std::string ShotPath(const char* name);
// Lets the window paint: pumps this thread's messages for about ms milliseconds.
void PumpMessages(DWORD ms);
