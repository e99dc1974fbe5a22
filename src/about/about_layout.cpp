#include <windows.h>

#include "about/about_box.h"
#include "about/about_template.h"
#include "app/mem.h"
#include "text/str.h"
#include "ui/geometry.h"

namespace {

// The statics share one column, so the box widens by the largest growth.
const int GROWING_STATICS[] = {IDC_ABOUT_PRODUCT, IDC_ABOUT_LINK, IDC_ABOUT_RESOURCES};

}  // namespace

bool WndGetTextExtent(HWND window, SIZE* out)
{
    out->cx = 0;
    out->cy = 0;
    char* text = WndGetTextAlloc(window);
    if (text == nullptr) {
        return true;
    }
    HDC dc = GetDC(window);
    if (dc != nullptr) {
        const int saved = SaveDC(dc);
        SelectObject(dc, (HFONT)SendMessageA(window, WM_GETFONT, 0, 0));
        if (!GetTextExtentPoint32A(dc, text, (int)(StrEnd(text) - text), out)) {
            out->cx = 0;
            out->cy = 0;
        }
        RestoreDC(dc, saved);
        ReleaseDC(window, dc);
    }
    MemFree(text);
    return true;
}

int GrowToText(HWND control)
{
    SIZE extent;
    WndGetTextExtent(control, &extent);
    const int width = WndGetWidth(control);
    const int growth = extent.cx > width ? extent.cx - width : 0;
    WndResizeBy(control, growth, 0);
    return growth;
}

bool AboutAutoSize(HWND dialog)
{
    int largest = 0;
    for (int id : GROWING_STATICS) {
        const int growth = GrowToText(GetDlgItem(dialog, id));
        if (growth > largest) {
            largest = growth;
        }
    }
    if (largest == 0) {
        return true;
    }
    WndResizeBy(dialog, largest, 0);
    HWND ok = GetDlgItem(dialog, IDOK);
    const int target = (WndGetWidth(dialog) - WndGetWidth(ok)) / 2;
    POINT pos;
    WndGetPos(ok, &pos);
    WndOffsetFrom(dialog, &pos);
    WndMoveBy(ok, target - pos.x, 0);
    // Centred before it grew: the right edge may now be off the work area.
    WndKeepInWorkArea(dialog);
    return true;
}
