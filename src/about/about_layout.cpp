#include "about/about_layout.h"

#include "about/about_template.h"
#include "ui/geometry.h"
#include "ui/text_extent.h"

namespace {

// The statics share one column, so the box widens by the largest growth.
const int GROWING_STATICS[] = {IDC_ABOUT_PRODUCT, IDC_ABOUT_LINK, IDC_ABOUT_RESOURCES};

}  // namespace

void AboutAutoSize(HWND dialog)
{
    int largest = 0;
    for (int id : GROWING_STATICS) {
        const int growth = WndGrowToText(GetDlgItem(dialog, id));
        if (growth > largest) {
            largest = growth;
        }
    }
    if (largest == 0) {
        return;
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
}
