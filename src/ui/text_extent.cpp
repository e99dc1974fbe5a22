#include "ui/text_extent.h"

#include "base/mem.h"
#include "text/str.h"
#include "ui/geometry.h"

SIZE WndGetTextExtent(HWND window)
{
    SIZE extent = {0, 0};
    char* text = WndGetTextAlloc(window);
    if (text == nullptr) {
        return extent;
    }
    HDC dc = GetDC(window);
    if (dc != nullptr) {
        const int saved = SaveDC(dc);
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)));
        if (!GetTextExtentPoint32A(dc, text, static_cast<int>(StrEnd(text) - text), &extent)) {
            extent.cx = 0;
            extent.cy = 0;
        }
        RestoreDC(dc, saved);
        ReleaseDC(window, dc);
    }
    MemFree(text);
    return extent;
}

int WndGrowToText(HWND window)
{
    const SIZE extent = WndGetTextExtent(window);
    const int width = WndGetWidth(window);
    const int growth = extent.cx > width ? extent.cx - width : 0;
    WndResizeBy(window, growth, 0);
    return growth;
}
