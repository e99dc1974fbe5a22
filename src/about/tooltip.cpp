#include "about/tooltip.h"

#include <commctrl.h>

#include "base/mem.h"

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
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = const_cast<LPSTR>(TOOLTIP_TEXT);
    return SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)) != 0;
}
