#include <windows.h>
#include <commctrl.h>

#include "about/about_box.h"
#include "text/str.h"

namespace {

const char TOOLTIP_TEXT[] = "サポートサイトへ";

}  // namespace

HWND CreateTooltipWindow(HWND owner, HINSTANCE instance)
{
    return CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, instance, nullptr);
}

bool TooltipAddTool(HWND tooltip, HWND owner, HWND tool)
{
    TOOLINFOA info;
    MemZero(&info, sizeof info);
    // The first version of the record: every common controls version takes it.
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = owner;
    info.uId = (UINT_PTR)tool;
    info.lpszText = (LPSTR)TOOLTIP_TEXT;
    return SendMessageA(tooltip, TTM_ADDTOOLA, 0, (LPARAM)&info) != 0;
}
